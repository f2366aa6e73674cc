#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal build with GCC and once
# with Clang, AddressSanitizer, UndefinedBehaviorSanitizer and the library's bounds assertions, so
# that both compilers see every change; then fuzzes the project-file reader for a minute. Every build
# treats a compiler warning as an error (ZOR_WERROR), so a new warning fails the run.
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

# The tests' builds leave out the full debug information: it costs a third of the build time and the
# runs here never need it (the checked build keeps line tables for its stack traces). Same -O2 as the
# program's build, so the results are the program's.
CC=gcc CXX=g++ cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" -DZOR_WERROR=ON "${launcher[@]}"
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" -j "$jobs" --output-on-failure

# The compiler is given on the command line as well, so that a folder configured earlier with
# another compiler is configured anew.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DCMAKE_CXX_COMPILER=clang++ -DZOR_WERROR=ON "${launcher[@]}"
cmake --build "$root/build/sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" -j "$jobs" --output-on-failure

# The project-file reader under libFuzzer for a minute, from the committed corpus and the example
# projects; then the whole calculation chain (read, stages, verifications, design through the headless
# run) for a minute from its committed corpus. New inputs go to scratch folders, a crash leaves its input
# in build/fuzz/.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" -DZOR_FUZZ=ON \
  -DZOR_WITH_QT=OFF -DCMAKE_CXX_COMPILER=clang++ -DZOR_WERROR=ON "${launcher[@]}"
cmake --build "$root/build/fuzz" -j "$jobs" --target fuzz_project_file fuzz_whole_chain
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$root"/tests/data/Schlitzwand_gesteift_GW "$root"/tests/data/Spundwand_frei \
  "$root"/tests/data/Traegerbohlwand_verankert "$scratch"/
"$root/build/fuzz/tests/fuzz_project_file" "$scratch" "$root/tests/fuzz/corpus" \
  -max_total_time=60 -timeout=10 -print_final_stats=1 -artifact_prefix="$root/build/fuzz/"
mkdir "$scratch/kette"
"$root/build/fuzz/tests/fuzz_whole_chain" "$scratch/kette" "$root/tests/fuzz/corpus_chain" \
  -max_total_time=60 -timeout=30 -print_final_stats=1 -artifact_prefix="$root/build/fuzz/kette-"
