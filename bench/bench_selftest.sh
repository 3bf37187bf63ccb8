#!/usr/bin/env bash
# Whole-process time of the self-test: Peravin.exe under Wine against a
# minimal Windows program built the same way that only writes a small file,
# and the native self-test. Median of N runs (default 15).
# Expects build/windows and build/native to be built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine_env.sh"
runs=${1:-15}
work=$(mktemp -d)
cd "$work"

median_ms() {  # median_ms COMMAND...: median wall time in milliseconds
  local times=() i start end
  for i in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

wine_prefix_new
"$WINESERVER" -p 60  # keep the server up between runs, as on a running desktop
wine_run "$root/build/windows/bench/minimal_writer.exe" || true
peravin=$(median_ms wine_run "$root/build/windows/Peravin.exe" --selftest r.txt)
minimal=$(median_ms wine_run "$root/build/windows/bench/minimal_writer.exe")
native=$(median_ms "$root/build/native/peravin" --selftest n.txt)
wine_cleanup
cd / && rm -rf "$work"
echo "self-test under Wine: ${peravin} ms; minimal writer: ${minimal} ms; ratio $(awk "BEGIN {printf \"%.2f\", $peravin / $minimal}")"
echo "native self-test: ${native} ms"
