#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal build and once
# with AddressSanitizer, UndefinedBehaviorSanitizer and the library's bounds assertions.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" -j "$jobs" --output-on-failure

cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON
cmake --build "$root/build/sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" -j "$jobs" --output-on-failure
