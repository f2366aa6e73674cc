#!/usr/bin/env bash
# Checks the layers of the sources against the libraries of CMakeLists.txt and platform/CMakeLists.txt
# (zor_library(<target> <folder> <libraries it links>...)):
#  1. no calculation library (zor_frame, zor_earthpressure, zor_statics, zor_verification, zor_design,
#     zor_slipcircle, zor_request) links, also through another library, the forms library, the drawing
#     library or Qt: the calculation knows no window;
#  2. every #include "folder/file.h" of a library's folder names its own folder or a folder of a library it
#     links (directly or through another): nothing includes a folder above its own.
# Prints each breach and exits with 1 when there is one. Needs bash, grep, sed and awk only.
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
cd "$root"

declare -A ordner  # target -> folder
declare -A links   # target -> the libraries it links, blank-separated
while read -r ziel verz rest; do
  ordner[$ziel]=$verz
  links[$ziel]=$rest
done < <(cat CMakeLists.txt platform/CMakeLists.txt |
  sed 's/#.*//' | tr '\n' ' ' | grep -o 'zor_library([^)]*)' |
  sed -e 's/zor_library(//' -e 's/)//' -e 's/  */ /g')
# The Qt backends (an add_library of their own) link the forms and drawing libraries and Qt.
ordner[zor_qt]=platform/qt
links[zor_qt]="zor_forms zor_draw zor_runtime Qt"

# Everything a target links, directly or through another library.
alle() {
  local -A gesehen=()
  local offen=("$1") t l
  while [ ${#offen[@]} -gt 0 ]; do
    t=${offen[0]}
    offen=("${offen[@]:1}")
    for l in ${links[$t]:-}; do
      if [ -z "${gesehen[$l]:-}" ]; then
        gesehen[$l]=1
        offen+=("$l")
      fi
    done
  done
  echo "${!gesehen[@]}"
}

fehler=0
for rechnung in zor_frame zor_earthpressure zor_statics zor_verification zor_design zor_slipcircle zor_request; do
  if [ -z "${ordner[$rechnung]:-}" ]; then
    echo "calculation library $rechnung not found in CMakeLists.txt"
    fehler=1
    continue
  fi
  for l in $(alle "$rechnung"); do
    case $l in
      zor_forms | zor_draw | zor_qt | Qt*)
        echo "$rechnung links $l: the calculation must not know windows"
        fehler=1
        ;;
    esac
  done
done

# Per library: its folder and the folders it may include from (its own and those of what it links).
regeln=""
for ziel in "${!ordner[@]}"; do
  zeile="${ordner[$ziel]}"
  for l in $(alle "$ziel"); do
    [ -n "${ordner[$l]:-}" ] && zeile+=" ${ordner[$l]}"
  done
  regeln+="$zeile"$'\n'
done
# Every quoted include of the libraries' folders: the folder it lies in is the longest library folder its
# path begins with (the tests' own headers lie in none and are left alone).
if ! printf '%s' "$regeln" | awk -v root="$root" '
  NR == FNR { if (NF) { eigen[$1] = 1; for (i = 1; i <= NF; i++) erlaubt[$1, $i] = 1; alle[$1] = 1 } next }
  {
    datei = $1; inc = $2
    verz = datei; sub(/\/[^\/]*$/, "", verz)
    if (!(verz in eigen)) next
    best = ""
    for (o in alle) if (index(inc, o "/") == 1 && length(o) > length(best)) best = o
    if (best != "" && !((verz, best) in erlaubt)) { print datei " includes " inc ": " best " is not below " verz; schlecht = 1 }
  }
  END { exit schlecht }' - <(
    for verz in $(printf '%s' "$regeln" | awk '{print $1}'); do
      for datei in "$verz"/*.h "$verz"/*.cpp; do
        [ -e "$datei" ] || continue
        sed -n "s|^[[:space:]]*#[[:space:]]*include[[:space:]]*\"\([^\"]*\)\".*|$datei \1|p" "$datei"
      done
    done); then
  fehler=1
fi

if [ $fehler -ne 0 ]; then
  echo "layer check failed"
  exit 1
fi
echo "layers ok"
