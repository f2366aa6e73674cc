#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own working folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build/release" -j "$(nproc)" --target zor
work="${ZOR_WORKDIR:-$HOME/zor-work}"
mkdir -p "$work"
# The profile lists are read from the working folder.
for f in zorTBw.txt zorSPw.txt; do
  [ -e "$work/$f" ] || cp "$root/data/$f" "$work/$f"
done
# The example projects of examples/ (the files without an extension; the notes beside them stay in the tree):
# copied into the projects folder $1 where a file of that name is not there yet (a user's file is never
# overwritten), and entered at the end of the list of project files in the root folder, so that the start
# dialog's list shows them. The list is text in Windows-1252, one quoted full name per line, ended by CR LF.
beispiele_bereitstellen() {
  local ziel="$1" wurzel="${XDG_DATA_HOME:-$HOME/.local/share}/JyRootJy" liste datei name eintrag
  mkdir -p "$ziel" || return 0
  liste="$wurzel/ZorDList.txt"
  mkdir -p "$wurzel" 2>/dev/null || liste=""
  for datei in "$root"/examples/*; do
    name="$(basename "$datei")"
    case "$name" in *.*) continue ;; esac
    [ -f "$datei" ] || continue
    [ -e "$ziel/$name" ] || cp "$datei" "$ziel/$name"
    [ -n "$liste" ] || continue
    eintrag="$(printf '"%s"' "$(cd "$ziel" && pwd)/$name" | iconv -f UTF-8 -t CP1252 2>/dev/null)" || continue
    if ! { [ -f "$liste" ] && grep -qxF "$eintrag"$'\r' "$liste"; }; then
      printf '%s\r\n' "$eintrag" >> "$liste"
    fi
  done
}
beispiele_bereitstellen "$work"
cd "$work"
exec "$root/build/release/app/zor" "$@"
