#!/usr/bin/env bash
# Builds Sylvane_2023-01 and starts it on the sample key table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure.sh release
cmake --build --preset release -j"$(nproc)" --target Sylvane_2023-01
# The sample table of the build's data folder, beside the user manual it links to.
exec build/release/src/Sylvane_2023-01 "$PWD/build/release/data/champignons_europe.txt" "$@"
