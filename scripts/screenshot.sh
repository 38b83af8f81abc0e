#!/bin/bash
# Renders every board form of the factory table in the main window (as it opens, and with a
# card chosen on every connector), the board selector, the Pandrel GPIO dialog and every card
# picture offscreen to PNG files (default folder: build/screenshots), for anyone to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
out=$(realpath -m "${1:-$build/screenshots}")
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 4 --target gui_tests >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen PINWRIGHT_SCREENSHOT_DIR="$out" \
    "$build/tests/gui_tests" --gtest_filter='Screenshot.*' --gtest_brief=1
ls "$out"/*.png
