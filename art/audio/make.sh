#!/usr/bin/env bash
# Regenerates the sound effects and the music loop in data/ from the sources
# beside this script (effects.py, music.py, score.txt). Deterministic: seeded
# noise, repeatable sox dither and a fixed Ogg serial number, so a second run
# writes the same bytes.
set -euo pipefail
export PYTHONDONTWRITEBYTECODE=1
here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../../data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$data"

python3 "$here/effects.py" "$data"

python3 "$here/music.py" "$here/score.txt" "$work/dry.wav"
length=$(soxi -s "$work/dry.wav")
# Reverb over two copies end to end, keeping the second: its start then holds
# the tail of the first, exactly as when the loop plays again. The high-pass
# takes out any DC the same way, so the join stays seamless.
sox -R "$work/dry.wav" "$work/dry.wav" -e floating-point -b 32 "$work/twice.wav" \
	highpass 25 reverb 45 60 80 90 12 -3
sox -R "$work/twice.wav" "$work/loop.wav" trim "${length}s" "${length}s"
# Peaks at -6 dBFS: the music stays behind the effects, and the two
# together rarely reach full scale in the mixer.
sox -R "$work/loop.wav" -b 16 "$work/music.wav" gain -n -6
oggenc -Q --serial 48151623 -q 4 -o "$data/music.ogg" "$work/music.wav"
echo "music.ogg: $(soxi -s "$work/music.wav") samples at $(soxi -r "$work/music.wav") Hz"
