#!/usr/bin/env bash
# Times the contents window's list refresh and tray menu build over folders of 100, 1,000 and
# 5,000 pads, next to plainly listing and opening the same files:
#   bench/run_contents_refresh.sh [runs]
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/run_in_wine.sh" contents_refresh_bench \
    contents_refresh_bench.exe "${1:-5}"
