#!/usr/bin/env bash
# Builds the assistant and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec "build/DRAVO Migration Assistant.app/contents/MacOS/DRAVO Migration Assistant" "$@"
