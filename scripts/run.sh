#!/usr/bin/env bash
# Builds the suite and runs its main job on FILE, by default the bundled sample presentation.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc 2>/dev/null || echo 2)"

file=${1:-resources/samples/Demo/demo.tvs}
bin=build/default/bin
"$bin/Vistrel.dll" --check "$file"
"$bin/tvscript" check "$file"
"$bin/tvscript" tokens "$file"
