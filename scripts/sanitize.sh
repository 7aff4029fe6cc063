#!/usr/bin/env bash
# Builds the program and its tests with the address and undefined-behaviour
# sanitizers into build-sanitize/ and runs the tests there: any report of
# undefined behaviour, a bad memory access or a leak fails the test that made
# it. Slow (a Debug build, every check on), so not part of scripts/test.sh.
# Usage: scripts/sanitize.sh [CTEST_ARGS...]   e.g. scripts/sanitize.sh -R Saved
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNIK_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="$flags"
cmake --build build-sanitize -j"$(nproc)"
# Qt's and fontconfig's own allocations that live until exit are not ours.
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize-leaks.txt print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1 abort_on_error=1"
# The fuzz runs build their own instrumented targets, the package test builds
# a release package, and the comparison with fc-solve runs the solver's code
# that the replayed solver lines already run: none says more under these flags.
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -E 'Fuzz|Packaging|FcSolve' "$@"
