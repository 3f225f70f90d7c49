#!/usr/bin/env bash
# Builds everything with AddressSanitizer into build-leaks/ and runs every
# test, headless: a leak or a memory fault fails its test. The system font
# library's own leaks, which no code of ours can free, are suppressed by
# scripts/leaks.supp. Needs g++ only; ctest args may be appended.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-leaks -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVO_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address" >/dev/null
cmake --build build-leaks
export QT_QPA_PLATFORM=offscreen
# The tests of absurd sizes expect a failed allocation, not the sanitizer's abort.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/leaks.supp"
ctest --test-dir build-leaks --output-on-failure -j "$(nproc)" "$@"
