#!/bin/sh
# Builds the field-parser fuzzer in build-fuzz and runs it for a while.
# Usage, from the repository root: sh fuzz/run.sh [seconds]   (default 60)
# Exits non-zero if the fuzzer finds anything; the input is kept under
# build-fuzz/fuzz-artifacts/.
set -eu

seconds=${1:-60}
case $seconds in
    '' | *[!0-9]* | 0)
        echo "fuzz/run.sh: seconds must be a positive whole number, got '$seconds'" >&2
        exit 2 ;;
esac

if [ ! -f fuzz/integer_field_fuzz.cpp ] || [ ! -f CMakeLists.txt ]; then
    echo "fuzz/run.sh: run this from the repository root" >&2
    exit 2
fi
for tool in clang++ cmake ninja; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "fuzz/run.sh: $tool not found (Debian: apt-get install clang libclang-rt-14-dev ninja-build cmake)" >&2
        exit 2
    fi
done

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZARVIN_GUI=OFF -DZARVIN_TESTS=OFF \
    -DZARVIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --target integer_field_fuzz -j 2

fuzzer=build-fuzz/fuzz/integer_field_fuzz
artifacts=build-fuzz/fuzz-artifacts/run-$(date +%Y%m%d-%H%M%S)-$$
mkdir -p "$artifacts"

# libFuzzer writes new inputs into the first corpus directory, so it gets a
# throw-away copy and the seeds in the repository stay as they are.
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvin-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/corpus"
cp fuzz/corpus/* "$work/corpus/"

# POSIX sh has no pipefail: the fuzzer's status goes through a file so the
# log can be shown live and kept for the summary.
{
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work/corpus" || status=$?
    echo "$status" >"$work/status"
} 2>&1 | tee "$work/log"
status=$(cat "$work/status")

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -n 1)
cov=$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\).*/cov \1, ft \2, corpus \3/p' \
    "$work/log" | tail -n 1)
found=$(find "$artifacts" -type f | wc -l | tr -d ' ')

if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    echo "fuzz: integer_field_fuzz FAILED (exit $status) after ${runs:-?} runs; inputs kept in $artifacts"
    [ "$status" -ne 0 ] || status=1
    exit "$status"
fi
rmdir "$artifacts"
echo "fuzz: integer_field_fuzz passed: ${seconds}s, ${runs:-?} runs, ${rate:-?} exec/s, ${cov:-no coverage line}"
