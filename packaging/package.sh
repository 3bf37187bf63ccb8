#!/usr/bin/env bash
# Builds the ward-workstation packages from a Windows build:
#   DIST/TolmMedSuite-VERSION.msi           per-machine installer (wixl)
#   DIST/TolmMedSuite-VERSION-portable.zip  the programs and a Chinese read-me
#
#   packaging/package.sh [--build DIR] [--out DIR] [--version X.Y.Z]
# Defaults: build/windows (after `cmake --build --preset windows`), dist/, and
# the version that the build took from project(VERSION). The programs are
# those in the build's programs.txt ("exe|title", one a line).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows out=$root/dist version=""
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --version) version=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--out DIR] [--version X.Y.Z]" >&2; exit 64 ;;
  esac
done

need_tools() {
  local missing=()
  command -v wixl >/dev/null || missing+=(wixl)
  command -v zip >/dev/null || missing+=(zip)
  [ ${#missing[@]} -eq 0 ] && return
  echo "installing ${missing[*]}" >&2
  apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null ||
    { apt-get update >/dev/null && apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; }
}

# Windows Installer allows at most 255.255.65535.
valid_version() {
  [[ $1 =~ ^([0-9]{1,3})\.([0-9]{1,3})\.([0-9]{1,5})$ ]] &&
    [ "${BASH_REMATCH[1]}" -le 255 ] && [ "${BASH_REMATCH[2]}" -le 255 ] &&
    [ "${BASH_REMATCH[3]}" -le 65535 ]
}

programs=$build/programs.txt
[ -f "$programs" ] || { echo "no $programs: build the windows preset first" >&2; exit 66; }
[ -n "$version" ] || version=$(cat "$build/package_version.txt")
valid_version "$version" || { echo "not a package version: $version" >&2; exit 65; }
need_tools
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
suite="TolmMed Suite"
mkdir "$work/$suite"
listing=""
while IFS='|' read -r exe title || [ -n "$exe" ]; do
  [ -n "$exe" ] || continue
  cp "$build/$exe" "$work/$suite/" || { echo "missing program: $build/$exe" >&2; exit 66; }
  listing+="    $exe    $title"$'\n'
done <"$programs"

# The read-me as Notepad on a Chinese Windows reads it: UTF-8 with a
# byte-order mark, lines ended by CR LF.
{
  printf '\xEF\xBB\xBF'
  while IFS= read -r line; do
    if [ "$line" = "@PROGRAMS@" ]; then printf '%s' "$listing"
    else printf '%s\n' "${line//@VERSION@/$version}"; fi
  done <"$root/packaging/README.zh.txt.in"
} | sed 's/$/\r/' >"$work/$suite/README.txt"

msi=$out/TolmMedSuite-$version.msi
zip=$out/TolmMedSuite-$version-portable.zip
cd "$work"
"$root/packaging/make_wxs.sh" "$root/packaging/suite.wxs.in" "$programs" "$version" "$suite" >suite.wxs
# wixl writes the package's texts in the code page of WINDOWS_LANGUAGE: the
# Simplified Chinese one (936), which Chinese Windows reads. It passes over
# what it does not implement with no more than a warning, so any word from
# it fails the package.
WINDOWS_LANGUAGE=zh_CN wixl -a x64 -o suite.msi suite.wxs 2>wixl.log || { cat wixl.log >&2; exit 1; }
[ ! -s wixl.log ] || { echo "wixl:" >&2; cat wixl.log >&2; exit 1; }
zip -q -r -X suite.zip "$suite"
mv suite.msi "$msi"
mv suite.zip "$zip"
echo "$msi"
echo "$zip"
