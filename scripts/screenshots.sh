#!/usr/bin/env bash
# Takes the screenshots of docs/ecrans under Xvfb with a window manager (openbox), driving
# the program with the keyboard and the mouse (xdotool). The sample table is opened from a
# folder of its own, as a user's copy is, never from the build folder.
#   scripts/screenshots.sh DISPLAY WIDTHxHEIGHT SCALE SUFFIX CRX_BUTTON_Y
#   e.g. scripts/screenshots.sh :5 1366x768 1 1366 110   and   :6 1920x1080 1.5 1920-150 155
# (CRX_BUTTON_Y: the screen row of the developer button "Appel Crx" at that size.)
# Needs xvfb, openbox, xdotool and imagemagick; run after a Release build, or name the
# program to run in PROGRAM.
set -euo pipefail
cd "$(dirname "$0")/.."
display=$1 screen=$2 scale=$3 suffix=$4
crop=$(python3 -c "w, h = map(int, '$screen'.split('x')); print(f'{min(w, round(1083 * $scale))}x{h}')")
out=docs/ecrans
program=${PROGRAM:-build/release/src/Sylvane_2023-01}
config=$(mktemp -d) # never the user's kept window places nor remembered options
# A folder of the user's: the sample table, its settings, a folder of reports, an empty file.
home=$(mktemp -d "$HOME/cles.XXXX")
cp data/champignons_europe.txt "$home/"
printf '\r\nFICDEFAUT =%s\r\nREPDATA =%s/\r\nCHOIXMULT =0\r\n' \
    "$home/champignons_europe.txt" "$home" >"$home/Sylvane.ini"
mkdir "$home/rapports"
: >"$home/releves.txt"
export DISPLAY=$display QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$config
Xvfb "$display" -screen 0 "${screen}x24" >/dev/null 2>&1 & xvfb=$!
sleep 2
openbox >/dev/null 2>&1 & wm=$!
sleep 2
px() { python3 -c "print(round($1 * $scale))"; } # logical pixels to the screen's
# The screen's left part, where the main window stands.
shot() { sleep 1.5; import -window root -crop "$crop+0+0" +repage "$out/$1-$suffix.png"; }
start() { "$program" --app-folder "$home" "$@" >/dev/null 2>&1 & app=$!; sleep 5; }
# Tab from the field list to the control so many steps further.
# A right click on the result list, two thirds across and three quarters down the window.
rclick_results() {
    read -r x y w h < <(xdotool getactivewindow getwindowgeometry --shell |
        awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x, y, w, h}')
    xdotool mousemove $((x + w * 2 / 3)) $((y + h * 3 / 4)) click 3; sleep 1
}
tabs() { xdotool key alt+h; for ((i = 0; i < $1; i++)); do xdotool key Tab; done; }

# The main window after a choice: the third field, its second value, a taxon's sheet.
start
xdotool key Home Down Down; sleep 1
xdotool key Tab Down space; sleep 1
xdotool key Tab Down
shot principale
# The report's save dialog (Ctrl+P), in French.
xdotool key ctrl+p; sleep 2
shot rapport
xdotool key Escape; sleep 1
# An empty file asked for: refused with its reason, the sample stays.
xdotool key ctrl+o; sleep 2
xdotool type "$home/releves.txt"; xdotool key Return
shot refus
xdotool key Return; sleep 1
# The result list enlarged (right click on it, "Agrandir").
rclick_results
xdotool key Down Return
shot agrandie
# The About panel (Outils > A propos).
xdotool key alt+o; sleep 1; xdotool key a
shot apropos
kill "$app"; sleep 1

# The field list ranked by "meilleurs critères" (the ninth stop of Tab after the list).
start
tabs 9; xdotool key space
xdotool key alt+h Home
shot meilleurs
tabs 9; xdotool key space; sleep 1 # unticked again
# "non renseignés retenus" (the thirteenth stop): the taxa whose smell is not described stay
# with the first smell chosen.
tabs 13; xdotool key space
xdotool key alt+h Home; for ((i = 0; i < 10; i++)); do xdotool key Down; done; sleep 1
xdotool key alt+s Home space
shot retenus
tabs 13; xdotool key space; sleep 1 # unticked for the next start
kill "$app"; sleep 1

# Differences tolerated (Alt+R), one after three choices (couleur du chapeau
# blanc, anneau absent, habitat feuillus): the sheet of a taxon kept by it, then its
# look-alikes ("Espèces proches"); why a taxon listed by "liste" is not found.
start
xdotool key alt+h Home Down Down; sleep 1; xdotool key Tab Down space; sleep 1
xdotool key alt+h Home; for ((i = 0; i < 5; i++)); do xdotool key Down; done; sleep 1
xdotool key Tab Home space; sleep 1
xdotool key alt+h Home; for ((i = 0; i < 9; i++)); do xdotool key Down; done; sleep 1
xdotool key Tab Home space; sleep 1
xdotool key alt+r Up; sleep 1
xdotool key alt+t Home; for ((i = 0; i < 8; i++)); do xdotool key Down; done
shot tolerance
# "Espèces proches", the third entry of the sheet's pop-up menu.
rclick_results
xdotool key Down Down Down Return
shot proches
xdotool mousemove "$(px 864)" "$(px 111)" click 1; sleep 1
xdotool mousemove "$(px 580)" "$(px 183)" click 3; sleep 1
xdotool key Down Down Return
shot pourquoi
xdotool key Return; sleep 1
xdotool key alt+r Down; sleep 1 # none tolerated at the next start
kill "$app"; sleep 1

# The cross-filter window beside the main window ("Appel Crx", a developer button).
start --dev
# The window's frame is at the screen's top-left corner; the button where it is drawn.
xdotool mousemove "$(px 984)" "$5" click 1
shot croix
kill "$app" "$wm" "$xvfb"
rm -rf "$config" "$home"
