#!/usr/bin/env bash
# Builds every test with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs them all off screen. Any sanitizer report fails the
# test it happens in, and so the script; leaks are found in our own code, and
# scripts/lsan.supp names only the one-time allocations of the system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/configure.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTAVRO_SANITIZE=ON -DTAVRO_BUILD_BENCH=OFF
cmake --build build-asan -j "$(nproc)"
echo "Sanitizer build: ${SECONDS} s"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure -j "$(nproc)"
