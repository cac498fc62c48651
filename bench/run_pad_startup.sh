#!/usr/bin/env bash
# Times a pad's start and reads its peak memory, next to a bare Win32 dialog program:
#   bench/run_pad_startup.sh [runs]
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/run_in_wine.sh" pad_startup_bench \
    pad_startup_bench.exe "${1:-20}"
