#!/bin/sh
# Installs what is needed, builds, and runs every test twice: in the normal build and in an
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALVER_SANITIZE=ON
cmake --build build-asan -j"$jobs"
# faketime is preloaded in the process tests, so ASan must not insist on coming first.
ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
