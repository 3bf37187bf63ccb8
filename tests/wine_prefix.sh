#!/usr/bin/env bash
# The Wine prefix of a build's Windows test programs, as CTest's fixture:
#   tests/wine_prefix.sh make|remove PREFIX
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine_env.sh"
export WINEPREFIX=$2
case $1 in
  make)
    "$WINESERVER" -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX"
    wine_prefix_prepare
    [ -d "$WINEPREFIX/drive_c" ] ;;
  remove)
    "$WINESERVER" -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX" ;;
  *) echo "usage: $0 make|remove PREFIX" >&2; exit 64 ;;
esac
