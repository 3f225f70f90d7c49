#!/usr/bin/env bash
# Formats every C++ source of the project with clang-format-14 and the
# committed .clang-format. With --check nothing is written: the script lists
# each file that differs and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v clang-format-14 >/dev/null ||
    { echo "format.sh: clang-format-14 is missing (run scripts/setup.sh)" >&2; exit 1; }

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')

if [ "${1:-}" = "--check" ]; then
    clang-format-14 --dry-run --Werror "${files[@]}"
else
    clang-format-14 -i "${files[@]}"
fi
