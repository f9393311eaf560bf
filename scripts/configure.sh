#!/usr/bin/env bash
# Configures a preset of CMakePresets.json (Ninja) in build/PRESET. A build folder that
# another generator made cannot be reused: it is started afresh.
#   scripts/configure.sh PRESET
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1
cache=build/$preset/CMakeCache.txt
if [ -f "$cache" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$cache"; then
    echo "build/$preset was made by another generator: configuring it afresh"
    rm -rf "build/$preset"
fi
cmake --preset "$preset" >/dev/null
