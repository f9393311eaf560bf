#!/usr/bin/env bash
# Builds everything and runs every test: a Release build with gcc (benchmarks compiled),
# then one clang build under AddressSanitizer and UndefinedBehaviorSanitizer that serves
# both its tests and the libFuzzer targets. The presets of CMakePresets.json configure,
# build and test each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
# Runs a step and tells how long it took (user and sys: CPU time, children included).
stage() {
    local TIMEFORMAT="time of $1: %R s wall, %U s user, %S s sys"
    shift
    time "$@"
}

# Formatting first: any difference from .clang-format fails the run.
check_format() {
    find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run --Werror
}
stage format check_format

for preset in release asan; do
    stage "$preset configure" scripts/configure.sh "$preset"
    stage "$preset build" cmake --build --preset "$preset" -j"$jobs"
    stage "$preset tests" ctest --preset "$preset" -j"$jobs"
done

# Fuzzing: each libFuzzer target of the sanitizer build for 60 s, the three at once, from
# the seed corpus of the repository. A crash, a leak, an input running over 10 s or memory
# over 2 GiB fails the run; libFuzzer keeps the input that did it in build/asan/findings.
fuzz=$PWD/build/asan # absolute paths: the targets work in a scratch folder of their own
fuzz_all() {
    local target failed=0
    local -A pid
    mkdir -p "$fuzz/findings"
    for target in keytable settings driver; do
        mkdir -p "$fuzz/corpus/$target"
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$fuzz/tests/fuzz/fuzz_$target" \
            -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$fuzz/findings/$target-" \
            "$fuzz/corpus/$target" "$PWD/tests/fuzz/corpus/$target" \
            >"$fuzz/findings/$target.log" 2>&1 &
        pid[$target]=$!
    done
    for target in keytable settings driver; do
        if wait "${pid[$target]}"; then
            echo "fuzz_$target: $(grep -E '^stat::(number_of_executed_units|new_units_added)' \
                "$fuzz/findings/$target.log" | tr '\n' ' ')"
        else
            failed=1
            echo "fuzz_$target FAILED:"
            cat "$fuzz/findings/$target.log"
        fi
    done
    return "$failed"
}
stage fuzzing fuzz_all

# Inputs whose lines end in CR alone, too large for the corpus (libFuzzer cuts its inputs
# to 1 MB) and for git: a 10 MB table and a settings file of 2 million CRs. Each target
# reads its file once, within the same 10 s.
fuzz_cr_only() {
    awk 'BEGIN { printf "TITRE=Table de 10 Mo\rCHAMP=Espece;Chapeau;Pied\r";
                 for (i = 0; i < 350000; i++) printf "Amanita %d ; rouge;blanc\r", i }' \
        >"$fuzz/keytable_cr_10mb.txt"
    awk 'BEGIN { printf "FICDEFAUT =/cles/a.txt"; for (i = 0; i < 2000000; i++) printf "\r" }' \
        >"$fuzz/settings_cr_2mb.ini"
    ASAN_OPTIONS=detect_leaks=1 "$fuzz/tests/fuzz/fuzz_keytable" -timeout=10 -rss_limit_mb=2048 \
        "$fuzz/keytable_cr_10mb.txt"
    ASAN_OPTIONS=detect_leaks=1 "$fuzz/tests/fuzz/fuzz_settings" -timeout=10 -rss_limit_mb=2048 \
        "$fuzz/settings_cr_2mb.ini"
}
stage "fuzzing CR-only inputs" fuzz_cr_only
