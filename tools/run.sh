#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own working folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build/release" -j "$(nproc)" --target zor
work="${ZOR_WORKDIR:-$HOME/zor-work}"
# The projects in a folder of their own, apart from the working files of the runs: a first start proposes it.
projekte="${ZOR_PROJEKTORDNER:-$work/projekte}"
mkdir -p "$work" "$projekte"
export ZOR_PROJEKTORDNER="$projekte"
# The profile lists are read from the working folder.
for f in zorTBw.txt zorSPw.txt; do
  [ -e "$work/$f" ] || cp "$root/data/$f" "$work/$f"
done
# The example projects, where they are missing, into the projects folder and the list of project files.
source "$root/tools/beispiele.sh"
beispiele_bereitstellen "$projekte"
cd "$work"
exec "$root/build/release/app/zor" "$@"
