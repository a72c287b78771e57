#!/usr/bin/env bash
# Runs a command on a virtual X display of its own. Xvfb picks a free display
# number itself (-displayfd), so runs started side by side never share one.
set -euo pipefail
fifo="$(mktemp -u /tmp/brindle-xvfb.XXXXXX)"
mkfifo "$fifo"
# -noreset: by default the server resets whenever its last client leaves, and
# a test program connecting during that reset (ctest -j) cannot open the display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$fifo"' EXIT
read -r number < "$fifo"
export DISPLAY=":$number"
"$@"
