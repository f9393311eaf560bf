#!/usr/bin/env bash
# Builds everything and runs every test twice: a Release build (with the benchmarks
# compiled) and a build under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Formatting first: any difference from .clang-format fails the run.
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSYLVANE_BENCH=ON >/dev/null
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure --no-tests=error -j"$jobs"

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DSYLVANE_SANITIZE=ON -DSYLVANE_BENCH=OFF >/dev/null
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure --no-tests=error -j"$jobs"

# Fuzzing (clang): each libFuzzer target for 60 s under ASan+UBSan, from the seed corpus
# of the repository. A crash, a leak, an input running over 10 s or memory over 2 GiB
# fails the run; libFuzzer keeps the input that did it in build/fuzz/findings.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSYLVANE_SANITIZE=ON -DSYLVANE_FUZZ=ON -DSYLVANE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j"$jobs" --target fuzz_keytable fuzz_settings fuzz_driver
# Absolute paths: the targets work in a scratch folder of their own.
fuzz=$PWD/build/fuzz
mkdir -p "$fuzz/findings"
for target in keytable settings driver; do
    mkdir -p "$fuzz/corpus/$target"
    ASAN_OPTIONS=detect_leaks=1 "$fuzz/tests/fuzz/fuzz_$target" \
        -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$fuzz/findings/$target-" \
        "$fuzz/corpus/$target" "$PWD/tests/fuzz/corpus/$target"
done
# Inputs whose lines end in CR alone, too large for the corpus (libFuzzer cuts its inputs
# to 1 MB) and for git: a 10 MB table and a settings file of 2 million CRs. Each target
# reads its file once, within the same 10 s.
awk 'BEGIN { printf "TITRE=Table de 10 Mo\rCHAMP=Espece;Chapeau;Pied\r";
             for (i = 0; i < 350000; i++) printf "Amanita %d ; rouge;blanc\r", i }' \
    >"$fuzz/keytable_cr_10mb.txt"
awk 'BEGIN { printf "FICDEFAUT =/cles/a.txt"; for (i = 0; i < 2000000; i++) printf "\r" }' \
    >"$fuzz/settings_cr_2mb.ini"
ASAN_OPTIONS=detect_leaks=1 "$fuzz/tests/fuzz/fuzz_keytable" -timeout=10 -rss_limit_mb=2048 \
    "$fuzz/keytable_cr_10mb.txt"
ASAN_OPTIONS=detect_leaks=1 "$fuzz/tests/fuzz/fuzz_settings" -timeout=10 -rss_limit_mb=2048 \
    "$fuzz/settings_cr_2mb.ini"
