#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Clang with its sanitizer and fuzzer run-time builds the sanitizer and fuzzing builds; a virtual X
# display with a small window manager (Xvfb, openbox) shows the program's windows to the display test.
set -euo pipefail
pkgs=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
      qt6-base-dev libqt6printsupport6 fonts-liberation2 poppler-utils locales
      clang libclang-rt-dev xvfb openbox)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  # through env, because sudo drops the variables of the caller
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
