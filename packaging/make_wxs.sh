#!/usr/bin/env bash
# Writes the installer's WiX source for the programs of one build.
#   packaging/make_wxs.sh TEMPLATE PROGRAMS VERSION PROGRAM_DIR > suite.wxs
# PROGRAMS is the build's list, one program a line: exe file name, "|",
# the program's title (its Start-menu name). PROGRAM_DIR holds the exes; it
# is written into the source as given, so it must be relative to the folder
# where wixl reads the source (wixl takes no absolute paths), and this script
# runs there too. Each block of the template between the lines
# "<!-- @PROGRAM@ -->" and "<!-- @END@ -->" is written once per program.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 TEMPLATE PROGRAMS VERSION PROGRAM_DIR" >&2; exit 64; }
template=$1 programs=$2 version=$3 program_dir=$4

xml_escape() {
  sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g' <<<"$1"
}

# A GUID that follows from a name, so that it stays the same from one build
# to the next.
stable_guid() {
  local h
  h=$(printf '%s' "$1" | md5sum | tr 'a-f' 'A-F')
  echo "${h:0:8}-${h:8:4}-${h:12:4}-${h:16:4}-${h:20:12}"
}

table=$(mktemp)
trap 'rm -f "$table"' EXIT
n=0
declare -A seen
while IFS='|' read -r exe title || [ -n "$exe" ]; do
  [ -n "$exe" ] || continue
  case $exe in
    *[!A-Za-z0-9._-]* ) echo "bad program name: $exe" >&2; exit 65 ;;
    *.exe) ;;
    *) echo "not an exe: $exe" >&2; exit 65 ;;
  esac
  [ -n "$title" ] || { echo "no title for $exe" >&2; exit 65; }
  # The title names the shortcut file, so it obeys the rules of file names.
  case $title in
    *[\\/:*?\"\<\>\|$'\t']* ) echo "title of $exe is no file name: $title" >&2; exit 65 ;;
  esac
  [ -z "${seen[${exe,,}]:-}" ] || { echo "listed twice: $exe" >&2; exit 65; }
  seen[${exe,,}]=1
  # The package's texts are stored in the Simplified Chinese code page.
  iconv -f UTF-8 -t CP936 <<<"$title" >/dev/null 2>&1 ||
    { echo "title of $exe has characters outside code page 936: $title" >&2; exit 65; }
  [ -f "$program_dir/$exe" ] || { echo "missing program: $program_dir/$exe" >&2; exit 66; }
  n=$((n + 1))
  # A program's component keeps its GUID across versions: it follows from
  # the exe's name alone.
  printf '%s\t%s\t%s\t%s\t%s\n' "p$n" "$exe" "$(xml_escape "$title")" \
    "$(stable_guid "TolmMed Suite program ${exe,,}")" \
    "$(xml_escape "$program_dir/$exe")" >>"$table"
done <"$programs"
[ "$n" -gt 0 ] || { echo "no programs in $programs" >&2; exit 65; }

awk -F '\t' -v version="$version" -v productCode="$(stable_guid "TolmMed Suite $version")" '
  # Literal replacement: titles may hold "&", which gsub would expand.
  function put(text, name, value,    at, out) {
    out = ""
    while ((at = index(text, name)) > 0) {
      out = out substr(text, 1, at - 1) value
      text = substr(text, at + length(name))
    }
    return out text
  }
  function common(line) {
    line = put(line, "@VERSION@", version)
    line = put(line, "@PRODUCT_CODE@", productCode)
    return put(line, "@FIRST_SOURCE@", source[1])
  }
  NR == FNR { count++; id[count] = $1; exe[count] = $2; title[count] = $3
              guid[count] = $4; source[count] = $5; next }
  /^[ \t]*<!-- @PROGRAM@ -->[ \t]*$/ { inBlock = 1; blockLines = 0; next }
  /^[ \t]*<!-- @END@ -->[ \t]*$/ {
    for (p = 1; p <= count; p++)
      for (b = 1; b <= blockLines; b++) {
        line = common(block[b])
        line = put(line, "@ID@", id[p]); line = put(line, "@EXE@", exe[p])
        line = put(line, "@TITLE@", title[p]); line = put(line, "@GUID@", guid[p])
        print put(line, "@SOURCE@", source[p])
      }
    inBlock = 0; next
  }
  inBlock { block[++blockLines] = $0; next }
  { print common($0) }
' "$table" "$template"
