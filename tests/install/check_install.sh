#!/usr/bin/env bash
# Installs the build into an empty folder: exactly the expected files, default settings
# that name the installed sample table, and an installed program that starts from them
# (were they not found, it would stop on a message box and never quit).
# usage: check_install.sh CMAKE BUILD_DIR EXPECTED_FILES
set -euo pipefail
cmake=$1 build=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

diff -u <(sort "$expected") <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)

settings=$prefix/share/sylvane/Sylvane.ini
grep -q "^FICDEFAUT =$prefix/share/sylvane/champignons_europe.txt"$'\r'"\$" "$settings"
grep -q "^REPDATA =$prefix/share/sylvane/"$'\r'"\$" "$settings"

mkdir "$work/home"
HOME=$work/home XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen SYLVANE_QUIT_AFTER_MS=200 \
    timeout 60 "$prefix/bin/Sylvane_2023-01"
# Reading the installed defaults writes no settings: only a save makes the user's copy
# (the window places may be kept there).
test ! -e "$work/home/.config/Sylvane/Sylvane.ini"
echo "installed $(wc -l <"$expected") files; the installed program started"
