#!/bin/sh
# Time to the first painted frame and resident memory at that moment, for the
# calculator, for a bare Qt window of the same size, and for that window with
# one caption (the cost of the font system alone), under a private Xvfb
# server; 10 runs each, medians and ratios. Run from the repository root.
set -eu
runs=${1:-10}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZARVIN_BENCH=ON -DZARVIN_TESTS=OFF >/dev/null
cmake --build build-bench --target zarvin-calculator bare_window bare_window_label first_frame_probe
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    build-bench/bench/first_frame_probe "$runs" build-bench/zarvin-calculator \
    build-bench/bench/bare_window build-bench/bench/bare_window_label
