#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan) in
# build-fuzz/ and runs each on its seed corpus for a number of seconds:
# zolt_fuzz (whole runs in memory on source bytes), zolt_disassembler_fuzz
# (object files read back), then language_server_fuzz (zoltasm --lsp on a byte
# stream from a client).
#   ./fuzz.sh [SECONDS] [LIBFUZZER OPTION...]    (default 60 seconds for each target)
# New inputs go to build-fuzz/corpus/, build-fuzz/object-corpus/ and
# build-fuzz/language_server_corpus/, a failing input to build-fuzz/artifacts/;
# the dictionary, build-fuzz/zolt.dict, is made from fuzz/zolt.dict.in.
set -euo pipefail
cd "$(dirname "$0")"

seconds="${1:-60}"
shift || true

scripts/setup.sh --for "the fuzzers" clang-14 libclang-rt-14-dev

out=build-fuzz
cmake -S fuzz -B "$out" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$out" -j "$(nproc)" > /dev/null
mkdir -p "$out/corpus" "$out/object-corpus" "$out/language_server_corpus" "$out/artifacts"

options=(-timeout=10 -rss_limit_mb=2048 -max_total_time="$seconds" -print_final_stats=1)

seeds=(fuzz/corpus examples)
[ -d tests/cases ] && seeds+=(tests/cases)
"$out/zolt_fuzz" "$out/corpus" "${seeds[@]}" -dict="$out/zolt.dict" -max_len=40000 \
  -artifact_prefix="$out/artifacts/" "${options[@]}" "$@"

# The disassembler, from the object files among the cases.
"$out/zolt_disassembler_fuzz" "$out/object-corpus" tests/cases -dict=fuzz/object.dict \
  -max_len=40000 -artifact_prefix="$out/artifacts/" "${options[@]}" "$@"

"$out/language_server_fuzz" "$out/language_server_corpus" fuzz/language_server_corpus \
  -dict=fuzz/language_server.dict -max_len=16384 \
  -artifact_prefix="$out/artifacts/language_server-" "${options[@]}" "$@"
