#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each one for a
# number of seconds (default 30), starting from its seed corpus. A crash,
# hang, leak or sanitizer report fails the script and leaves the input that
# caused it in build-fuzz/findings/<target>/.
# Needs clang-14 and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
targets=(enigma_decode alias_record pref_file line_reader apple_double transfer_mark)

bash scripts/setup.sh
command -v clang++-14 >/dev/null || { echo "fuzz.sh: clang++-14 is missing (Debian packages clang-14, libclang-rt-14-dev)" >&2; exit 1; }

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON -DDRAVO_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzzer}"

# Alias records are resolved against a small fake disk, not this machine's volumes.
disk="$(mktemp -d)"
trap 'rm -rf "$disk"' EXIT
mkdir -p "$disk/Macintosh HD/Users/taro/Documents" "$disk/Volumes/Data/Projects/Docs"
touch "$disk/Volumes/Data/Projects/Docs/notes.txt"
export DRAVO_STARTUP_DISK="$disk/Macintosh HD" DRAVO_VOLUMES="$disk/Volumes"
export ASAN_OPTIONS="allocator_may_return_null=1:detect_leaks=1"

for target in "${targets[@]}"; do
    findings="build-fuzz/findings/$target"
    work="build-fuzz/corpus/$target"
    mkdir -p "$findings" "$work"
    echo "== $target: ${seconds}s"
    "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target"
done
