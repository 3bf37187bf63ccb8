#!/usr/bin/env bash
# Builds the ward-workstation packages from a Windows build:
#   DIST/TolmMedSuite-VERSION.msi           per-machine installer (wixl)
#   DIST/TolmMedSuite-VERSION-portable.zip  the programs and a Chinese read-me
#
#   packaging/package.sh [--build DIR] [--out DIR] [--version X.Y.Z]
# Defaults: build/windows (after `cmake --build --preset windows`), dist/, and
# the version that the build took from project(VERSION). The programs are
# those in the build's programs.txt ("exe|title|category", one a line): the
# launcher, which has no category, first; then the tools, category by
# category. The zip and its read-me start with the launcher and list the
# tools under their categories.
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
  command -v msibuild >/dev/null || missing+=(msitools)
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
# The launchers (no category) and the tools, each as "exe|title".
launchers=() tools=()
listing="" category_listed=""
while IFS= read -r line || [ -n "$line" ]; do
  [ -n "$line" ] || continue
  [ "${line//[!|]/}" = "||" ] ||
    { echo "not an \"exe|title|category\" line in $programs: $line" >&2; exit 65; }
  IFS='|' read -r exe title category <<<"$line"
  cp "$build/$exe" "$work/$suite/" || { echo "missing program: $build/$exe" >&2; exit 66; }
  if [ -z "$category" ]; then
    launchers+=("$exe|$title")
    continue
  fi
  tools+=("$exe|$title")
  if [ "$category" != "$category_listed" ]; then
    listing+=$'\n'"  【$category】"$'\n'
    category_listed=$category
  fi
  listing+="    $exe    $title"$'\n'
done <"$programs"
for entry in "${launchers[@]}"; do
  listing="    ${entry%%|*}    ${entry#*|}"$'\n'"$listing"
done

# The read-me as Notepad on a Chinese Windows reads it: UTF-8 with a
# byte-order mark, lines ended by CR LF. The lines from "@LAUNCHER@" to
# "@END@" are written once per launcher, with its @EXE@ and @TITLE@.
{
  printf '\xEF\xBB\xBF'
  block=() in_block=""
  while IFS= read -r line; do
    line=${line//@VERSION@/$version}
    if [ "$line" = "@LAUNCHER@" ]; then in_block=1; block=()
    elif [ "$line" = "@END@" ]; then
      in_block=""
      for entry in "${launchers[@]}"; do
        for text in "${block[@]}"; do
          text=${text//@EXE@/${entry%%|*}}
          printf '%s\n' "${text//@TITLE@/${entry#*|}}"
        done
      done
    elif [ -n "$in_block" ]; then block+=("$line")
    elif [ "$line" = "@PROGRAMS@" ]; then printf '%s' "$listing"
    else printf '%s\n' "$line"; fi
  done <"$root/packaging/README.zh.txt.in"
} | sed 's/$/\r/' >"$work/$suite/README.txt"

msi=$out/TolmMedSuite-$version.msi
zip=$out/TolmMedSuite-$version-portable.zip
cd "$work"
"$root/packaging/make_wxs.sh" "$root/packaging/suite.wxs.in" "$programs" "$version" "$suite" >suite.wxs
# wixl writes the package's texts in the code page of WINDOWS_LANGUAGE, the
# Simplified Chinese one (936). It passes over what it does not implement
# with no more than a warning, so any word from it fails the package.
WINDOWS_LANGUAGE=zh_CN wixl -a x64 -o suite.msi suite.wxs 2>wixl.log || { cat wixl.log >&2; exit 1; }
[ ! -s wixl.log ] || { echo "wixl:" >&2; cat wixl.log >&2; exit 1; }
# It leaves the database's code page neutral, which Windows reads as the
# workstation's own non-Unicode code page: on any but a Chinese one every
# folder and shortcut name would be garbled. The database says 936 instead.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >_ForceCodepage.idt
WINDOWS_LANGUAGE=zh_CN msibuild suite.msi -i _ForceCodepage.idt 2>msibuild.log &&
  [ "$(WINDOWS_LANGUAGE=zh_CN msiinfo export suite.msi _ForceCodepage | tr -d '\r' | sed -n 3p)" = $'936\t_ForceCodepage' ] ||
  { echo "msibuild could not set the code page of the package:" >&2; cat msibuild.log >&2; exit 1; }
# The archive lists the launcher first, then the read-me, then the tools.
entries=("$suite/")
for entry in "${launchers[@]}" README.txt "${tools[@]}"; do entries+=("$suite/${entry%%|*}"); done
zip -q -X suite.zip "${entries[@]}"
mv suite.msi "$msi"
mv suite.zip "$zip"
echo "$msi"
echo "$zip"
