#!/bin/sh
# SPDX-License-Identifier: MIT
# Takes docs/window.png: the window with its settings panel open, the stone sample laid flat
# with Iso, and the preview beside it, under a virtual display. Run from the source folder:
#   scripts/docs-screenshot.sh build/release
set -eu
build=$(cd "${1:-build/release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/run.sh" <<SCRIPT
visible() { xdotool search --onlyvisible --name "^\$1\\\$" 2>/dev/null | head -n 1; }
wait_window() { for i in \$(seq 300); do [ -n "\$(visible "\$1")" ] && return 0; sleep 0.1; done; return 1; }
XDG_CONFIG_HOME='$work/config' QT_QPA_PLATFORM=xcb '$build/durnik' & program=\$!
wait_window 'Kalvora '; sleep 1
# The window's client area is placed at 309, 211; the clicks are Settings..., Iso, Open...
wx=309; wy=211
xdotool mousemove \$((wx + 244)) \$((wy + 60)) click 1; sleep 1
xdotool mousemove \$((wx + 132)) \$((wy + 266)) click 1; sleep 0.5
xdotool mousemove \$((wx + 172)) \$((wy + 12)) click 1
wait_window 'Open image'; sleep 1
xdotool type --delay 30 '$build/bmp/stone.bmp'; xdotool key Return; sleep 1
[ -z "\$(visible 'Open image')" ] || xdotool key Return
sleep 1
# Generate, then Preview, which opens beside the window.
xdotool mousemove \$((wx + 172)) \$((wy + 60)) click 1; sleep 1
xdotool mousemove \$((wx + 364)) \$((wy + 36)) click 1; sleep 2
xdotool mousemove 5 795; sleep 1
import -window root '$work/screen.png'
kill \$program
SCRIPT
xvfb-run -a -s '-screen 0 1280x800x24' sh "$work/run.sh" >/dev/null 2>&1
convert "$work/screen.png" -crop 904x321+309+211 +repage -strip docs/window.png
echo "docs/window.png written"
