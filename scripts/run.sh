#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program: the window under
# Wine when a display exists; otherwise the self-test, whose report it prints.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh native windows
if [ -x scripts/run_window.sh ] || [ -f scripts/run_window.sh ]; then
  exec bash scripts/run_window.sh
fi
source scripts/wine_env.sh
wine_prefix_new
report=$(mktemp -d)/selftest.txt
set +e
wine_run build/windows/Peravin.exe --selftest "$report"
rc=$?
set -e
wine_cleanup
cat "$report"
echo "self-test exit code: $rc"
