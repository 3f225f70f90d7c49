#!/usr/bin/env bash
# Builds the assistant and starts it on the demo Macs of build/demo, which it
# makes when they are missing (see README):
#   bash scripts/run.sh                the old Mac, started from the USB device
#   bash scripts/run.sh --new-machine  the new Mac, started from the same device
#   bash scripts/run.sh --network      the new Mac, installed there, the old Mac's disk on the network
#   bash scripts/run.sh --real         this machine's own disks
set -euo pipefail
case "${1:-}" in
    "")            disk="Network/Old Mac HD"; volumes=USB;     program="USB/DRAVO USB" ;;
    --new-machine) disk="New Mac HD";         volumes=USB;     program="USB/DRAVO USB" ;;
    --network)     disk="New Mac HD";         volumes=Network; program="New Mac HD/Applications" ;;
    --real) ;;
    *) echo "usage: bash scripts/run.sh [--new-machine | --network | --real]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
bash scripts/build.sh
app="DRAVO Migration Assistant.app/contents/MacOS/DRAVO Migration Assistant"
if [ "${1:-}" = --real ]; then exec "build/$app"; fi

world="$PWD/build/demo"
build/scripts/demo/make_demo_world --if-missing "$world"
# The desktop's key and caches stay where they are when HOME moves to the demo user.
export XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}" XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}"
export DRAVO_STARTUP_DISK="$world/$disk" HOME="$world/$disk/Users/taro" DRAVO_VOLUMES="$world/$volumes"
exec "$world/$program/$app"
