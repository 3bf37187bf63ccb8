#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program: the window under
# Wine when a display exists; with none, the window on a virtual display for
# one calculation, whose screenshot path it prints.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh native windows
exec bash scripts/run_window.sh "$@"
