#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal build with GCC and once
# with Clang, AddressSanitizer, UndefinedBehaviorSanitizer and the library's bounds assertions, so
# that both compilers see every change.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

# ccache where the machine has it; the build does not need it.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

CXX=g++ cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" -j "$jobs" --output-on-failure

# The compiler is given on the command line as well, so that a folder configured earlier with
# another compiler is configured anew.
CXX=clang++ cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}"
cmake --build "$root/build/sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" -j "$jobs" --output-on-failure
