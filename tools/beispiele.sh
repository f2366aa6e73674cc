#!/usr/bin/env bash
# Sourced by run.sh; run on its own ("bash tools/beispiele.sh FOLDER") it does the same for FOLDER.
# The example projects of examples/ (the files without an extension; the notes beside them stay in the tree):
# copied into the projects folder $1 where a file of that name is not there yet (a user's file is never
# overwritten), and entered at the end of the list of project files in the root folder, so that the start
# dialog's list shows them. The list is text in Windows-1252, one quoted full name per line, ended by CR LF.
beispiele_bereitstellen() {
  local ziel="$1" beispiele wurzel="${XDG_DATA_HOME:-$HOME/.local/share}/JyRootJy" liste datei name eintrag
  beispiele="$(cd "$(dirname "${BASH_SOURCE[0]}")/../examples" && pwd)"
  mkdir -p "$ziel" || return 0
  liste="$wurzel/ZorDList.txt"
  mkdir -p "$wurzel" 2>/dev/null || liste=""
  for datei in "$beispiele"/*; do
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

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  beispiele_bereitstellen "${1:?Aufruf: beispiele.sh PROJEKTORDNER}"
fi
