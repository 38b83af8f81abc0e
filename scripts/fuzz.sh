#!/usr/bin/env bash
# Fuzzes every board's generation path with any "default.cfg" (libFuzzer, ASan, UBSan): an
# input is a board id and that board's record (tests/fuzz/BoardRecordFuzz.cpp).
#   scripts/fuzz.sh                      replays the committed corpus once (what `make test` does)
#   scripts/fuzz.sh [options] SECONDS    fuzzes for SECONDS in build-fuzz/corpus, which starts as
#                                        a copy of the committed corpus and grows from run to run
# Options:
#   --jobs N     N fuzzing processes at once (libFuzzer's fork mode)
#   --keep       merges the inputs of build-fuzz/corpus that add coverage into tests/fuzz/corpus
#                (libFuzzer's -merge=1: only those, so the corpus stays small), after fuzzing when
#                SECONDS is given, instead of the replay when not
#   --lenient    an internal check is a refusal, not a finding: each board's check is told once
#                and its first input kept in build-fuzz/checks/ (also for a replay)
# Crashes and sanitizer findings are written to build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=1
keep=0
seconds=0
while [ $# -gt 0 ]; do
    case "$1" in
    --jobs) jobs=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    --lenient)
        mkdir -p build-fuzz/checks
        export PINWRIGHT_FUZZ_LENIENT=1 PINWRIGHT_FUZZ_CHECKS="$PWD/build-fuzz/checks"
        shift ;;
    [0-9]*) seconds=$1; shift ;;
    *) echo "usage: scripts/fuzz.sh [--jobs N] [--keep] [--lenient] [SECONDS]" >&2; exit 2 ;;
    esac
done
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPINWRIGHT_FUZZ=ON -DPINWRIGHT_GUI=OFF -DPINWRIGHT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "${JOBS:-$(nproc)}" --target board_record_fuzz
target=$PWD/build-fuzz/tests/fuzz/board_record_fuzz
# The target's temporary folders go into a scratch folder, which must be empty afterwards;
# in memory where there is such a file system (the target writes five files a run).
tmp=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The longest input: a board id, Yastrel_X2's record and its node.
max_len=$(stat -c %s tests/fuzz/corpus/* | sort -n | tail -n 1)
if [ "$seconds" -gt 0 ]; then
    mkdir -p build-fuzz/corpus build-fuzz/artifacts
    cp -n tests/fuzz/corpus/* build-fuzz/corpus/
    flags=(-max_total_time="$seconds" -max_len="$max_len" -len_control=0 -print_final_stats=1
           -artifact_prefix="$PWD/build-fuzz/artifacts/")
    [ "$jobs" -gt 1 ] && flags+=(-fork="$jobs")
    TMPDIR="$tmp" "$target" build-fuzz/corpus "${flags[@]}"
fi
if [ "$keep" -eq 1 ]; then
    TMPDIR="$tmp" "$target" -merge=1 -max_len="$max_len" tests/fuzz/corpus build-fuzz/corpus
elif [ "$seconds" -eq 0 ]; then
    TMPDIR="$tmp" "$target" tests/fuzz/corpus/*
fi
if [ -n "$(ls -A "$tmp")" ]; then
    echo "The fuzz target left files in the temporary folder:" >&2
    ls -A "$tmp" >&2
    exit 1
fi
