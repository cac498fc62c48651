#!/usr/bin/env bash
# Times the contents window's search field over 5,000 pads of about 1 KB, next to listing the
# folder and reading every file once, and prints the memory the searched texts take:
#   bench/run_contents_search.sh
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/run_in_wine.sh" contents_search_bench \
    contents_search_bench.exe
