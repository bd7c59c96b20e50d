#!/usr/bin/env bash
# Builds the tests and the fuzz targets with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang) into build-sanitize/, runs every test
# there, then runs each fuzz target for a bounded time from its seeds. Any
# finding fails; its input is kept under build-sanitize/fuzz/findings/ and
# belongs, once mended, in fuzz/regressions/<target>/.
# Usage: tools/sanitize.sh [SECONDS-PER-TARGET]   (default 30; 0 skips fuzzing)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
      -DKOLV_SANITIZE=ON -DKOLV_FUZZ=ON -DKOLV_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j"$(nproc)"

# Leaks inside the system's font and graphics libraries are not ours.
export LSAN_OPTIONS="suppressions=$(pwd)/fuzz/leak-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

[ "$seconds" -gt 0 ] || exit 0
findings=build-sanitize/fuzz/findings
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$findings"
for target in build-sanitize/fuzz/Fuzz*; do
    name="$(basename "$target")"
    [[ -x "$target" && -f "$target" && "$name" != *Replay ]] || continue
    echo "== $name: ${seconds} s"
    mkdir -p "$work/$name"
    regressions="fuzz/regressions/$name"
    log="$work/$name.log"
    if ! QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$findings/$name-" \
            "$work/$name" "build-sanitize/fuzz/seeds/$name" $( [ -d "$regressions" ] && echo "$regressions" ) \
            > "$log" 2>&1; then
        tail -n 60 "$log"
        echo "$name found a fault; its input is in $findings"
        exit 1
    fi
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)" "$log" || true
done
