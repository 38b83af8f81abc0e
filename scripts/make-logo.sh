#!/bin/bash
# Redraws the maker's logo into resources/pictures/varnholt_logo.jpg.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O1 -fPIC scripts/make-logo.cpp -o "$work/make-logo" $(pkg-config --cflags --libs Qt6Gui) -ljpeg
QT_QPA_PLATFORM=offscreen "$work/make-logo" resources/pictures/varnholt_logo.jpg
echo "resources/pictures/varnholt_logo.jpg"
