#!/usr/bin/env bash
# Writes the installer's WiX source for the programs of one build.
#   packaging/make_wxs.sh TEMPLATE PROGRAMS VERSION PROGRAM_DIR > suite.wxs
# PROGRAMS is the build's list, one program a line: "exe|title|category".
# The title names the program's Start-menu shortcut; the category names the
# subfolder of the suite's Start-menu folder it goes in. A program without a
# category (the launcher) is the suite's front door: its shortcut sits at the
# top of the suite's folder and on the desktop. PROGRAM_DIR holds the exes;
# it is written into the source as given, so it must be relative to the
# folder where wixl reads the source (wixl takes no absolute paths), and this
# script runs there too.
# Blocks of the template between a marker line and "<!-- @END@ -->" are
# written once per item:
#   <!-- @PROGRAM@ -->   every program
#   <!-- @LAUNCHER@ -->  every program without a category
#   <!-- @TOOL@ -->      every program with a category
#   <!-- @CATEGORY@ -->  every category, in the order the list first names it
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

# A name that is also a shortcut or folder name obeys the rules of file
# names, and the package stores its texts in the Simplified Chinese code page.
check_name() { # WHAT NAME
  case $2 in
    *[\\/:*?\"\<\>\|$'\t']* ) echo "$1 is no file name: $2" >&2; exit 65 ;;
  esac
  iconv -f UTF-8 -t CP936 <<<"$2" >/dev/null 2>&1 ||
    { echo "$1 has characters outside code page 936: $2" >&2; exit 65; }
}

table=$(mktemp)
trap 'rm -f "$table"' EXIT
n=0
declare -A seen menu_of
while IFS= read -r line || [ -n "$line" ]; do
  [ -n "$line" ] || continue
  IFS='|' read -r exe title category extra <<<"$line"
  case $exe in
    *[!A-Za-z0-9._-]* ) echo "bad program name: $exe" >&2; exit 65 ;;
    *.exe) ;;
    *) echo "not an exe: $exe" >&2; exit 65 ;;
  esac
  [ "${line//[!|]/}" = "||" ] ||
    { echo "not an \"exe|title|category\" line: $line" >&2; exit 65; }
  [ -n "$title" ] || { echo "no title for $exe" >&2; exit 65; }
  check_name "title of $exe" "$title"
  [ -z "${seen[${exe,,}]:-}" ] || { echo "listed twice: $exe" >&2; exit 65; }
  seen[${exe,,}]=1
  [ -f "$program_dir/$exe" ] || { echo "missing program: $program_dir/$exe" >&2; exit 66; }
  menu=""
  if [ -n "$category" ]; then
    if [ -z "${menu_of[$category]:-}" ]; then
      check_name "category of $exe" "$category"
      # The folder's id follows from its name, as its component's GUID does.
      guid=$(stable_guid "TolmMed Suite menu folder $category")
      menu_of[$category]=menu_${guid:0:8}
      printf 'C\t%s\t%s\t%s\n' "${menu_of[$category]}" "$(xml_escape "$category")" "$guid" >>"$table"
    fi
    menu=${menu_of[$category]}
  fi
  n=$((n + 1))
  # A program's component keeps its GUID across versions: it follows from
  # the exe's name alone.
  printf 'P\t%s\t%s\t%s\t%s\t%s\t%s\n' "p$n" "$exe" "$(xml_escape "$title")" \
    "$(stable_guid "TolmMed Suite program ${exe,,}")" "$(xml_escape "$program_dir/$exe")" "$menu" >>"$table"
done <"$programs"
[ "$n" -gt 0 ] || { echo "no programs in $programs" >&2; exit 65; }
first_source=$(awk -F '\t' '$1 == "P" { print $6; exit }' "$table")

awk -F '\t' -v version="$version" -v productCode="$(stable_guid "TolmMed Suite $version")" \
    -v firstSource="$first_source" '
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
    return put(line, "@FIRST_SOURCE@", firstSource)
  }
  # Whether item i belongs to a block of this kind.
  function wanted(kind, i) {
    if (kind == "CATEGORY") return type[i] == "C"
    if (type[i] != "P") return 0
    if (kind == "LAUNCHER") return menu[i] == ""
    if (kind == "TOOL") return menu[i] != ""
    return 1
  }
  function fill(line, i) {
    line = common(line)
    if (type[i] == "C") {
      line = put(line, "@MENU@", menu[i]); line = put(line, "@CATEGORY@", name[i])
      return put(line, "@GUID@", guid[i])
    }
    line = put(line, "@ID@", id[i]); line = put(line, "@EXE@", exe[i])
    line = put(line, "@TITLE@", title[i]); line = put(line, "@GUID@", guid[i])
    line = put(line, "@MENU@", menu[i])
    return put(line, "@SOURCE@", source[i])
  }
  NR == FNR {
    count++; type[count] = $1
    if ($1 == "C") { menu[count] = $2; name[count] = $3; guid[count] = $4 }
    else { id[count] = $2; exe[count] = $3; title[count] = $4; guid[count] = $5; source[count] = $6
           menu[count] = $7 }
    next
  }
  /^[ \t]*<!-- @(PROGRAM|LAUNCHER|TOOL|CATEGORY)@ -->[ \t]*$/ {
    kind = $0; gsub(/^[ \t]*<!-- @|@ -->[ \t]*$/, "", kind)
    inBlock = 1; blockLines = 0; next
  }
  /^[ \t]*<!-- @END@ -->[ \t]*$/ {
    for (i = 1; i <= count; i++)
      if (wanted(kind, i))
        for (b = 1; b <= blockLines; b++) print fill(block[b], i)
    inBlock = 0; next
  }
  inBlock { block[++blockLines] = $0; next }
  { print common($0) }
' "$table" "$template"
