#!/usr/bin/env bash
# Times whole runs of zoltasm against GNU as on the same generated program at
# 1,000, 8,000 and 32,767 lines: as with a listing (-al, as zoltasm always
# writes one) and without. Prints median wall times, lines per second, the
# ratios, and peak memory (/usr/bin/time -f %M). The CPU columns (user plus
# system time per run, a mean over the runs) are steadier on a busy machine.
#   bench/compare.sh [RUNS]     (default 21 runs per tool and size)
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

runs="${1:-21}"
sizes=(1000 8000 32767)

scripts/setup.sh binutils time libbenchmark-dev
cmake -S . -B build > /dev/null
cmake --build build -j "$(nproc)" --target zoltasm zolt_bench_programs > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

zoltasm=(build/cli/zoltasm "$work/bench.ZOL")
as_listing=(as -al="$work/bench.s.lst" -o "$work/bench.o" "$work/bench.s")
as_plain=(as -o "$work/bench.o" "$work/bench.s")

# Microseconds of one run, from bash's own clock (no extra process).
run_us() {
  local start="$EPOCHREALTIME"
  "$@" > /dev/null
  local end="$EPOCHREALTIME"
  echo $(( ${end/./} - ${start/./} ))
}

# User plus system microseconds per run of a command, a mean over the runs,
# from the times of the children this shell has waited for.
mean_cpu_us() {
  local before after
  times > "$work/times"
  before="$(children_cpu_us "$work/times")"
  for _ in $(seq "$runs"); do "$@" > /dev/null; done
  times > "$work/times"
  after="$(children_cpu_us "$work/times")"
  echo $(( (after - before) / runs ))
}

children_cpu_us() {
  awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                 printf "%.0f\n", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1e6 }' "$1"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

peak_kb() {
  local kb=()
  for _ in 1 2 3; do kb+=("$(/usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -1)"); done
  median "${kb[@]}"
}

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); $(as --version | head -1)"
printf '%6s | %9s %9s %8s | %9s %9s %8s | %9s %8s | %6s %6s | %8s %8s %8s\n' \
  lines zoltasm lines/s cpu "as -al" lines/s cpu as lines/s "al/us" "as/us" "peak KB" "as -al" as
for lines in "${sizes[@]}"; do
  build/bench/zolt_bench_programs "$lines" "$work"
  "${zoltasm[@]}" > /dev/null
  "${as_listing[@]}"
  ours=() theirs=() plain=()
  for _ in $(seq "$runs"); do
    ours+=("$(run_us "${zoltasm[@]}")")
    theirs+=("$(run_us "${as_listing[@]}")")
    plain+=("$(run_us "${as_plain[@]}")")
  done
  awk -v n="$lines" -v z="$(median "${ours[@]}")" -v a="$(median "${theirs[@]}")" \
    -v p="$(median "${plain[@]}")" -v zc="$(mean_cpu_us "${zoltasm[@]}")" \
    -v ac="$(mean_cpu_us "${as_listing[@]}")" -v zk="$(peak_kb "${zoltasm[@]}")" \
    -v ak="$(peak_kb "${as_listing[@]}")" -v pk="$(peak_kb "${as_plain[@]}")" 'BEGIN {
      printf "%6d | %6.2f ms %9.0f %5.2f ms | %6.2f ms %9.0f %5.2f ms | %6.2f ms %8.0f |",
        n, z / 1000, n / z * 1e6, zc / 1000, a / 1000, n / a * 1e6, ac / 1000, p / 1000, n / p * 1e6
      printf " %5.1fx %5.1fx | %8d %8d %8d\n", a / z, p / z, zk, ak, pk
    }'
done
