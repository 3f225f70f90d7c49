#!/usr/bin/env bash
# Formats every C++ source of the project with clang-format-14 and the
# committed .clang-format. With --check nothing is written: the script lists
# each file that differs and each include that climbs with "../", and fails
# when there is one. --check-includes FOLDER... runs the include check alone.
set -euo pipefail
cd "$(dirname "$0")/.."

source_folders=(app common wizard gather transfer platform tests bench fuzz scripts)

# A header is named from the top of the tree ("wizard/Window1.h"), through the
# include roots of the libraries a file links; "../" would climb past them.
check_includes() {
    local status=0
    grep -rnE --include='*.cpp' --include='*.h' \
        '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\./' "$@" >&2 || status=$?
    case $status in
        0) echo 'format.sh: an include climbs with "../"; name the header from the top of the tree' >&2
           return 1 ;;
        1) return 0 ;;
        *) return "$status" ;;
    esac
}

if [ "${1:-}" = "--check-includes" ]; then
    shift
    check_includes "$@"
    exit
fi

command -v clang-format-14 >/dev/null ||
    { echo "format.sh: clang-format-14 is missing (run scripts/setup.sh)" >&2; exit 1; }

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')

if [ "${1:-}" = "--check" ]; then
    status=0
    clang-format-14 --dry-run --Werror "${files[@]}" || status=1
    check_includes "${source_folders[@]}" || status=1
    exit "$status"
else
    clang-format-14 -i "${files[@]}"
fi
