#!/usr/bin/env bash
# Builds the libFuzzer target with clang (AddressSanitizer and UBSan) in
# build-fuzz/ and runs it on the seed corpus for a number of seconds.
#   ./fuzz.sh [SECONDS] [LIBFUZZER OPTION...]    (default 60 seconds)
# New inputs go to build-fuzz/corpus/, a failing input to build-fuzz/artifacts/;
# the dictionary, build-fuzz/zolt.dict, is made from fuzz/zolt.dict.in.
set -euo pipefail
cd "$(dirname "$0")"

seconds="${1:-60}"
shift || true

scripts/setup.sh clang-14 libclang-rt-14-dev

out=build-fuzz
cmake -S fuzz -B "$out" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$out" -j "$(nproc)" > /dev/null
mkdir -p "$out/corpus" "$out/artifacts"

seeds=(fuzz/corpus examples)
[ -d tests/cases ] && seeds+=(tests/cases)

"$out/zolt_fuzz" "$out/corpus" "${seeds[@]}" \
  -dict="$out/zolt.dict" -max_len=40000 -timeout=10 -rss_limit_mb=2048 \
  -max_total_time="$seconds" -artifact_prefix="$out/artifacts/" -print_final_stats=1 "$@"

# The disassembler, from the object files among the cases, for as long again.
mkdir -p "$out/object-corpus"
"$out/zolt_disassembler_fuzz" "$out/object-corpus" tests/cases \
  -dict=fuzz/object.dict -max_len=40000 -timeout=10 -rss_limit_mb=2048 \
  -max_total_time="$seconds" -artifact_prefix="$out/artifacts/" -print_final_stats=1 "$@"
