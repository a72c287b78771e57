#!/usr/bin/env bash
# Regenerates every picture of the game in data/ (images, masks, texture
# lists, sprite definitions) from the sources in src/. Needs rsvg-convert,
# the DejaVu fonts and python3 (scripts/setup.sh art).
#   art/images/make.sh          the pictures
#   art/images/make.sh sheet    also art/contact_sheet.png, for review
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
PYTHONDONTWRITEBYTECODE=1 python3 "$here/build.py" "$@"
