#!/usr/bin/env bash
# Fuzzes the Ulvarin generation path with any 416-byte "default.cfg" (libFuzzer, ASan, UBSan).
#   scripts/fuzz.sh            replays the committed corpus once (what `make test` does)
#   scripts/fuzz.sh 600        fuzzes for 600 seconds from the corpus, in a scratch copy
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-0}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPINWRIGHT_FUZZ=ON -DPINWRIGHT_GUI=OFF -DPINWRIGHT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target ulvarin_record_fuzz
target=build-fuzz/tests/fuzz/ulvarin_record_fuzz
# The target's temporary folder goes into a scratch folder, which must be empty afterwards.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp" "$work/corpus"
if [ "$seconds" -eq 0 ]; then
    TMPDIR="$work/tmp" "$target" tests/fuzz/corpus/*
else
    cp tests/fuzz/corpus/* "$work/corpus"/
    TMPDIR="$work/tmp" "$target" "$work/corpus" -max_total_time="$seconds" -max_len=416 -len_control=0 \
        -print_final_stats=1
fi
if [ -n "$(ls -A "$work/tmp")" ]; then
    echo "The fuzz target left files in the temporary folder:" >&2
    ls -A "$work/tmp" >&2
    exit 1
fi
