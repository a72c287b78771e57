#!/usr/bin/env bash
# Regenerates every picture, mask, sound and the music in data/ from the
# sources beside this script. Needs the "art" tools: scripts/setup.sh art.
#   art/make.sh            everything
#   art/make.sh images     pictures only
#   art/make.sh audio      sounds and music only
#   art/make.sh sheet      also write art/contact_sheet.png for review
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../scripts/setup.sh" art
what="${1:-all}"
case "$what" in
  images) bash "$here/images/make.sh" ;;
  audio)  bash "$here/audio/make.sh" ;;
  sheet)  bash "$here/images/make.sh" sheet ;;
  all)    bash "$here/images/make.sh"; bash "$here/audio/make.sh" ;;
  *) echo "usage: $0 [images|audio|sheet]" >&2; exit 2 ;;
esac
