#!/usr/bin/env bash
# Builds the Debian package: the expected files under /usr, dependencies computed from
# the libraries the programs use, default settings naming /usr/share/sylvane.
# usage: check_package.sh CPACK BUILD_DIR EXPECTED_FILES
set -euo pipefail
cpack=$1 build=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/sylvane_*.deb)
test -f "$deb"

diff -u <(sed 's|^|./usr/|' "$expected" | sort) \
        <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort)
test "$(dpkg-deb -f "$deb" Package)" = sylvane
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/sylvane/Sylvane.ini |
    grep -q "^FICDEFAUT =/usr/share/sylvane/champignons_europe.txt"$'\r'"\$"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $(dpkg-deb -f "$deb" Depends)"
