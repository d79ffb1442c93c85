#!/usr/bin/env bash
# Times whole runs of zoltasm on the same generated program at 1,000, 8,000
# and 32,767 lines against three other processes:
#   floor   one cat copying the source, the listing and the object file into
#           one output: the least any process that reads and writes those
#           bytes costs;
#   as -al  GNU as with a listing (zoltasm always writes one);
#   as      GNU as without.
# One row per process and size: median wall time, lines per second, CPU (user
# plus system time per run, a mean over the runs: steadier on a busy machine),
# peak memory (/usr/bin/time -f %M) and zoltasm's ratio to the row (wall
# times). The runs of the four take turns, so that load on the machine falls
# on all of them alike.
#   bench/compare.sh [RUNS]     (default 21 runs per process and size)
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

runs="${1:-21}"
sizes=(1000 8000 32767)

scripts/setup.sh --for "the comparison with GNU as" binutils time libbenchmark-dev
scripts/build.sh zoltasm zolt_bench_programs

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

zoltasm_command=(build/cli/zoltasm "$work/bench.ZOL")
as_listing_command=(as -al="$work/bench.s.lst" -o "$work/bench.o" "$work/bench.s")
as_plain_command=(as -o "$work/bench.o" "$work/bench.s")
floor() { cat "$work/bench.ZOL" "$work/bench.lst" "$work/bench.obj" > "$work/floor.out"; }
zoltasm() { "${zoltasm_command[@]}"; }
as_listing() { "${as_listing_command[@]}"; }
as_plain() { "${as_plain_command[@]}"; }
tools=(floor zoltasm as_listing as_plain)
declare -A names=([floor]="floor" [zoltasm]="zoltasm" [as_listing]="as -al" [as_plain]="as")

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

# Peak memory of the process itself; the floor is a shell redirection, not
# a program of its own, so it has none to show.
peak_kb() {
  [ "$1" = floor ] && { echo "-"; return; }
  local -n command="$1_command"
  local kb=()
  for _ in 1 2 3; do kb+=("$(/usr/bin/time -f %M "${command[@]}" 2>&1 > /dev/null | tail -1)"); done
  median "${kb[@]}"
}

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); $(as --version | head -1)"
printf '%6s | %-7s | %9s %9s | %8s | %7s | %s\n' lines process median lines/s cpu "peak KB" "zoltasm/it"
declare -A walls medians
for lines in "${sizes[@]}"; do
  build/bench/zolt_bench_programs "$lines" "$work"
  zoltasm > /dev/null
  as_listing
  walls=()
  for _ in $(seq "$runs"); do
    for tool in "${tools[@]}"; do walls[$tool]+=" $(run_us "$tool")"; done
  done
  for tool in "${tools[@]}"; do
    read -ra times_of <<< "${walls[$tool]}"
    medians[$tool]="$(median "${times_of[@]}")"
  done
  for tool in "${tools[@]}"; do
    awk -v n="$lines" -v name="${names[$tool]}" -v t="${medians[$tool]}" \
      -v z="${medians[zoltasm]}" -v c="$(mean_cpu_us "$tool")" -v k="$(peak_kb "$tool")" 'BEGIN {
        printf "%6d | %-7s | %6.2f ms %9.0f | %5.2f ms | %7s | %5.2f\n",
          n, name, t / 1000, n / t * 1e6, c / 1000, k, z / t
      }'
  done
done
awk -v n="${sizes[-1]}" -v f="${medians[floor]}" -v z="${medians[zoltasm]}" \
  -v a="${medians[as_listing]}" 'BEGIN {
    printf "%d lines: zoltasm takes %.2f times the floor (target: at most 2) and is %.1f times as fast as as -al (target: at least 12)\n",
      n, z / f, a / z
  }'
