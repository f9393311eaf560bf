#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing, without
# the packages they merely recommend: each one needed is named here.
#   gcc builds Release; clang (with its sanitizer and libFuzzer runtimes, lld to link and
#   llvm's symbolizer for readable reports) builds the sanitizer and fuzzing build.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libbenchmark-dev
          clang libclang-rt-dev lld llvm clang-format fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file
          qt6-translations-l10n libqt6svg6)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
