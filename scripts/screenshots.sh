#!/usr/bin/env bash
# Takes the screenshots of docs/ecrans under Xvfb with a window manager (openbox), driving
# the program with the keyboard and the mouse (xdotool).
#   scripts/screenshots.sh DISPLAY WIDTHxHEIGHT SCALE SUFFIX CRX_BUTTON_Y
#   e.g. scripts/screenshots.sh :5 1366x768 1 1366 110   and   :6 1920x1080 1.5 1920-150 155
# (CRX_BUTTON_Y: the screen row of the developer button "Appel Crx" at that size.)
# Needs xvfb, openbox, xdotool and imagemagick; run after a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
display=$1 screen=$2 scale=$3 suffix=$4
crop=$(python3 -c "w, h = map(int, '$screen'.split('x')); print(f'{min(w, round(1083 * $scale))}x{h}')")
out=docs/ecrans
program=build/release/src/Sylvane_2023-01
config=$(mktemp -d) # never the user's kept window places
export DISPLAY=$display QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$config
Xvfb "$display" -screen 0 "${screen}x24" >/dev/null 2>&1 & xvfb=$!
sleep 2
openbox >/dev/null 2>&1 & wm=$!
sleep 2
px() { python3 -c "print(round($1 * $scale))"; } # logical pixels to the screen's
# The screen's left part, where the main window stands.
shot() { sleep 1.5; import -window root -crop "$crop+0+0" +repage "$out/$1-$suffix.png"; }

# The main window after a choice: the third field, its second value, a taxon's sheet.
"$program" >/dev/null 2>&1 & app=$!
sleep 5
xdotool key Home Down Down; sleep 1
xdotool key Tab Down space; sleep 1
xdotool key Tab Tab Tab Tab Down
shot principale
# The result list enlarged (right click on it, "Agrandir").
read -r x y w h < <(xdotool getactivewindow getwindowgeometry --shell |
    awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x, y, w, h}')
xdotool mousemove $((x + w * 2 / 3)) $((y + h * 2 / 3)) click 3; sleep 1
xdotool key Down Return
shot agrandie
# The About panel (Outils > A propos).
xdotool key alt+o; sleep 1; xdotool key a
shot apropos
kill "$app"; sleep 1

# The cross-filter window beside the main window ("Appel Crx", a developer button).
"$program" --dev >/dev/null 2>&1 & app=$!
sleep 5
# The window's frame is at the screen's top-left corner; the button where it is drawn.
xdotool mousemove "$(px 984)" "$5" click 1
shot croix
kill "$app" "$wm" "$xvfb"
rm -rf "$config"
