#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on a scratch copy of
# the example files (the originals in examples/ are never touched). The scratch
# copy is kept between runs, so saved work survives; pass --fresh to start over.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target verbodex

scratch="$top/scratch"
if [ "${1:-}" = "--fresh" ]; then
  rm -rf "$scratch"
fi
if [ ! -d "$scratch" ]; then
  mkdir -p "$scratch"
  cp -r examples/de examples/en "$scratch/"
  printf '[PATH]\r\nORIG=%s\r\nTRANS=%s\r\nSAVEAS=%s\r\n' \
    "$scratch/de/DIALOG.INI" "$scratch/en/DIALOG.INI" "$scratch/en/" >"$scratch/verbodex.ini"
fi

cd "$scratch"
exec "$top/build/release/verbodex"
