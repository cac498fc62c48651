#!/usr/bin/env bash
# Times each step of a pad's start in fresh processes and prints the medians:
#   bench/run_pad_steps.sh [runs]
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/run_in_wine.sh" pad_steps_bench \
    pad_steps_bench.exe "${1:-20}"
