#!/usr/bin/env bash
# Takes the README's pictures of both routes through the wizard from the
# current build into docs/: the real windows on a virtual display (Xvfb),
# driven through their own buttons on a fresh demo world. Takes a few seconds
# after the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
xvfb-run -a -s "-screen 0 1280x1024x24" build/scripts/demo/take_screenshots docs
