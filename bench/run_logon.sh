#!/usr/bin/env bash
# Times a logon with 5, 20 and 50 start-up pads, next to as many bare Win32 dialog programs
# started at once on the same files:
#   bench/run_logon.sh [runs]
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/run_in_wine.sh" logon_bench logon_bench.exe "${1:-5}"
