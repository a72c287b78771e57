#!/usr/bin/env bash
# The real program, played as a person would: on a virtual display of its
# own with an empty preferences folder, it fades in to the title scenery and
# quits on Ctrl+Q, writing the preferences; a broken game definition stops it
# at start-up with the exact messages; installed to a prefix, it runs from there.
#   end_to_end.sh path/to/brindle path/to/build-folder
set -uo pipefail
brindle="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
build="$2"
work="$(mktemp -d /tmp/brindle-e2e-XXXXXX)"
xvfb_pid=""
game_pid=""
failures=0

cleanup()
{
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail()
{
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_file NAME EXPECTED_TEXT ACTUAL_FILE: exact comparison, bytes included.
expect_file()
{
  if ! cmp -s <(printf '%s' "$2") "$3"; then
    fail "$1 differs"
    echo "--- expected"; printf '%s' "$2"; echo; echo "--- actual"; cat "$3"; echo; echo "---"
  fi
}

# A program built with AddressSanitizer: Mesa unloads its software driver when
# the display closes, and the driver's own leaks, found at exit, would then
# have no name to be suppressed by. The driver is kept loaded for the game
# alone, after the sanitizer's runtime, which must come first.
preload=""
asan="$(ldd "$brindle" | awk '/libasan/ { print $3 }')"
if [ -n "$asan" ]; then
  driver="$(find /usr/lib /usr/lib64 -name swrast_dri.so 2>/dev/null | head -n 1)"
  [ -n "$driver" ] && preload="$asan $driver"
fi

export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1

# A display of our own, so that no other test's window shows in the screenshots;
# -noreset keeps it up while the probing clients come and go.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# start PROGRAM: runs it in the background, its output in $work/stdout and
# $work/stderr, and waits for its window.
start()
{
  LD_PRELOAD="$preload" "$1" >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --name '^brindle kittens$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$work/stdout" "$work/stderr"
  echo "FAIL: no window captioned \"brindle kittens\""
  exit 1
}

# quit [close]: Ctrl+Q, or a request to close (which SDL turns into its quit
# event, as for the window's close button); then the game fades out to white
# and must end normally.
quit()
{
  if [ "${1:-}" = close ]; then
    kill -TERM "$game_pid"
  else
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key ctrl+q
  fi
  for _ in $(seq 200); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game_pid" 2>/dev/null; then
    fail "still running 20 s after Ctrl+Q"
    kill "$game_pid"
  fi
  wait "$game_pid"
  local status=$?
  game_pid=""
  [ "$status" -eq 0 ] || { fail "exit status $status after Ctrl+Q"; cat "$work/stderr"; }
}

# --- A first run: no preferences yet.
export XDG_CONFIG_HOME="$work/config"
started=$(date +%s%N)
start "$brindle"
size="$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')"
[ "$size" = "640x480" ] || fail "the window is $size, not 640x480"

# pixels FILE: every pixel of the 640 pixels wide picture as "x y r g b".
pixels()
{
  /usr/bin/convert "$1" -depth 8 rgb:- | od -An -v -tu1 -w3 | awk '{ print (NR - 1) % 640, int((NR - 1) / 640), $1, $2, $3 }'
}

# The scenery at a point, as the game draws it: the sky's gradient from
# (204,204,102) at the bottom through (204,204,153) at mid-height to
# (102,153,204) at the top, under white mist that is opaque at the window's
# sides and clear at the playfield column (x 200 to 440).
scenery_check='
function sky(c, y,   t) {
  if (y < 240) { t = y / 240; return bottom[c] + (middle[c] - bottom[c]) * t }
  t = (y - 240) / 240; return middle[c] + (top[c] - middle[c]) * t
}
function mist(x) {
  if (x < 200) return 1 - x / 200
  if (x > 440) return (x - 440) / 200
  return 0
}
BEGIN {
  split("204 204 102", bottom, " "); split("204 204 153", middle, " "); split("102 153 204", top, " ")
  n = split("20 100 180 460 540 620", xs, " "); m = split("10 120 240 360 470", ys, " ")
  for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) wanted[xs[i] " " (479 - ys[j])] = ys[j]
}
($1 " " $2) in wanted {
  x = $1 + 0.5; y = wanted[$1 " " $2] + 0.5; a = mist(x); bad = 0
  for (c = 1; c <= 3; c++) {
    e = sky(c, y) * (1 - a) + 255 * a
    if ($(c + 2) - e > 3 || e - $(c + 2) > 3) bad = 1
  }
  if (bad) { printf "scenery at (%d, %d) is (%d,%d,%d), expected about (%.0f,%.0f,%.0f)\n", $1, y, $3, $4, $5, sky(1,y)*(1-a)+255*a, sky(2,y)*(1-a)+255*a, sky(3,y)*(1-a)+255*a; failed++ }
  checked++
}
END { if (checked != n * m) { print "only " checked " scenery points found"; failed++ } exit failed > 0 }'

# wait_for_title: until the fade-in has ended and the scenery shows, for
# keys are taken only then.
wait_for_title()
{
  for _ in $(seq 150); do
    /usr/bin/import -window root "$work/shot.png" 2>/dev/null
    pixels "$work/shot.png" | awk "$scenery_check" >/dev/null 2>&1 && return 0
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
  done
  return 1
}

wait_for_title && echo "faded in $(( ($(date +%s%N) - started) / 1000000 )) ms after launch"
sleep 0.3
/usr/bin/import -window root "$work/title.png"
pixels "$work/title.png" >"$work/title.txt"
awk "$scenery_check" "$work/title.txt" || fail "the title scenery"
# Kept for a person to look at when asked for.
if [ -n "${BRINDLE_SCREENSHOTS:-}" ]; then
  mkdir -p "$BRINDLE_SCREENSHOTS" && cp "$work/title.png" "$BRINDLE_SCREENSHOTS/title.png"
fi

# The three stippled border lines: white dashes with gaps, down both sides of
# the playfield column and across its top at y = 288.
awk '
function dashes(name, count, total) {
  if (count < total * 0.2 || count > total * 0.8) { printf "%s: %d of %d pixels white, not a stippled line\n", name, count, total; failed++ }
}
function white() { return $3 >= 250 && $4 >= 250 && $5 >= 250 }
{ key = $1 " " $2 }
($1 == 199 || $1 == 200) && $2 < 180 { if (white()) left[$1]++ }
($1 == 439 || $1 == 440) && $2 < 180 { if (white()) right[$1]++ }
($2 == 191 || $2 == 192) && $1 >= 210 && $1 < 430 { if (white()) across[$2]++ }
END {
  dashes("left border", left[199] > left[200] ? left[199] : left[200], 180)
  dashes("right border", right[439] > right[440] ? right[439] : right[440], 180)
  dashes("top of the playfield", across[191] > across[192] ? across[191] : across[192], 220)
  exit failed > 0
}' "$work/title.txt" || fail "the border lines"

# "q" without Ctrl is not a quit request.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key q
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "q alone ended the game"

quit

identifier="org.brindlekittens.brindle"
expect_file "the output of a first run" \
  "Exception logged: \"(brindle2Preferences::[constructor]) unable to open the preferences definition (\"$identifier.preferences\")\"
" "$work/stdout"
expect_file "the preferences file" \
  '.music="yes"
.sound_fx="yes"
.fullscreen="no"' "$XDG_CONFIG_HOME/brindle/$identifier.preferences"

# --- Keys count only once a screen is fully shown: Ctrl+Q during a slow
# fade-in is lost, not kept for later.
mkdir -p "$work/slow/data"
for file in "$build"/data/*; do
  [ "$(basename "$file")" = game.txt ] || ln -s "$(readlink -f "$file")" "$work/slow/data/"
done
printf '.opacity="0.0003"\n.stipple="F0F0"\n.stipple_repeat="2"\n.width="2"\n.delay="3000"\n' >"$work/slow/data/game.txt"
cp "$brindle" "$work/slow/brindle"
start "$work/slow/brindle"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key ctrl+q
wait_for_title || fail "the slow fade-in does not end"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "Ctrl+Q during the fade-in ended the game"
quit

# --- Installed to a prefix, the game runs from there and reads the
# preferences it wrote, so nothing is logged; it also ends normally when asked
# to close.
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
start "$work/prefix/bin/brindle"
wait_for_title || fail "the installed game shows no title scenery"
quit close
expect_file "the output of an installed second run" "" "$work/stdout"

# --- Broken game definitions stop the game at start-up, before any window.
broken()
{
  local name="$1" definition="$2" expected="$3"
  mkdir -p "$work/$name/data"
  cp "$brindle" "$work/$name/brindle"
  printf '%s' "$definition" >"$work/$name/data/game.txt"
  "$work/$name/brindle" >"$work/$name/stdout" 2>"$work/$name/stderr"
  local status=$?
  [ "$status" -ne 0 ] || fail "$name: exit status 0"
  expect_file "$name: the output" "$expected" "$work/$name/stdout"
}
members='.opacity="0.002"
.stipple="F0F0"
.width="2"
'
range='(zelHighLevelList::Input) the value input for the member in the high-level list with that label is out of the acceptable range'
broken missing_member "$members.stipple_repeat=\"2\"
" 'Exception thrown: "(zelHighLevelList::Input) the high-level list ends with an incomplete listing"
'
broken stipple_repeat_0 "$members.stipple_repeat=\"0\"
.delay=\"3000\"
" "Exception thrown: \"$range\"
Exception logged: \"$range (stipple_repeat)\"
"
broken no_members 'game definition without any member' 'Exception thrown: "(brindleGame::[constructor]) the game definition does not contain the members necessary to define the game"
Exception logged: "(brindleGame::[constructor]) the game definition does not contain the members necessary to define the game ("game.txt")"
'

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "end to end: all checks passed"
