#!/usr/bin/env bash
# Builds the suite in its default and sanitizer configurations, runs every test, then fuzzes briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${TAVRIN_FUZZ_SECONDS:-20}

for preset in default asan; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset"
done

if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzz: configure and build"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "$jobs"
  shopt -s nullglob
  for fuzzer in build/fuzz/fuzzers/*; do
    name=$(basename "$fuzzer")
    corpus=$(mktemp -d)
    seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
    echo "== fuzz: $name for ${fuzz_seconds}s"
    "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=0 \
      "$corpus" "${seeds[@]}" >"$corpus.log" 2>&1 || { tail -40 "$corpus.log"; exit 1; }
    rm -rf "$corpus" "$corpus.log"
  done
fi
echo "All tests passed."
