#!/usr/bin/env bash
# Builds the libFuzzer targets of the data-file readers with clang and runs
# each for the given number of seconds (default 60), seeded with the test
# fixtures. Exits non-zero when a target finds a crash or a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/setup.sh
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$(nproc)"

for target in listing_fuzz definition_fuzz; do
  corpus="build-fuzz/corpus-$target"
  mkdir -p "$corpus"
  case $target in
    listing_fuzz)    cp tests/util/fixtures/*.txt "$corpus"/ ;;
    definition_fuzz) cp tests/util/fixtures/*.hlld "$corpus"/ ;;
  esac
  echo "Fuzzing $target for ${seconds}s"
  "build-fuzz/$target" -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix="build-fuzz/$target-" -print_final_stats=1 "$corpus" \
    2> "build-fuzz/$target.log" || { tail -n 60 "build-fuzz/$target.log"; exit 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "build-fuzz/$target.log" || true
done
