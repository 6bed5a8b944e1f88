#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need, where
# they are missing. Needs root (or sudo). The Windows build needs the mingw-w64
# cross compiler, the GoogleTest sources (built with that compiler) and wine64
# to run its tests.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format
  qt6-base-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file
  python3 python3-jsonschema
  g++-mingw-w64-x86-64-posix googletest wine64
  # The fuzz preset: clang and its runtimes (libFuzzer, the sanitizers and
  # FuzzedDataProvider.h come with libclang-rt-14-dev on Debian 12).
  clang libclang-rt-14-dev
  # The tests of files owned by other users run the batch tool with setpriv.
  util-linux
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
