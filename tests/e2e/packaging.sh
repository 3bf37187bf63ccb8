#!/usr/bin/env bash
# End-to-end test of the ward-workstation packages under Wine: installing,
# reinstalling, upgrading and removing the MSI, its shortcuts (the launcher
# at the top of the suite's Start-menu folder and on the desktop, the tools
# by category), and the portable zip.
# Needs the windows preset built (build/windows, or PERAVIN_WINDOWS_BUILD);
# makes its packages itself with packaging/package.sh in a temporary folder
# (dist/ is left alone): the build's version, a rebuild of it, the next
# version, and a package of two tools without a launcher. Needs no display:
# msiexec /qn and the self-tests create no window. The package is installed
# first where Wine runs in English (code page 1252), then where it runs in
# Chinese (936), as on the ward workstations: both show its Chinese names.
# The installed and unzipped programs are the built ones byte for byte, so
# one suite self-test of the installed folder and one program of the zip
# prove that they run where they land.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${PERAVIN_WINDOWS_BUILD:-$root/build/windows}
# shellcheck source-path=SCRIPTDIR/../..
source "$root/scripts/wine_env.sh"
source "$root/tests/support/checks.sh"
unset DISPLAY


tmp=$(mktemp -d /tmp/peravin-packaging.XXXXXX)
trap 'wine_cleanup; rm -rf "$tmp"' EXIT

# In the C locale Wine runs as English-language Windows does (en-US, code
# page 1252); UTF-8, or it could not give Linux names to Chinese files.
use_english_locale() {
  unset LC_ALL LANGUAGE LOCPATH
  export LANG=C.UTF-8
}

use_chinese_locale() {
  unset LC_ALL LANGUAGE
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    mkdir -p "$tmp/locale"
    localedef -i zh_CN -f UTF-8 "$tmp/locale/zh_CN.UTF-8" >/dev/null 2>&1 || return 1
    export LOCPATH=$tmp/locale
  fi
  export LANG=zh_CN.UTF-8
}

win_path() { printf 'Z:%s' "${1//\//\\}"; }

# The prefix's non-Unicode (ANSI) code page.
code_page_is() { # CODE_PAGE
  wine_run reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null |
    tr -d '\r' | grep -qE "ACP +REG_SZ +$1\$"
}

# The code page the package's database declares for its texts.
package_code_page_is() { # MSI CODE_PAGE
  [ "$(msiinfo export "$1" _ForceCodepage | tr -d '\r' | sed -n 3p)" = "$2"$'\t_ForceCodepage' ]
}
msi() { wine_run msiexec "$1" "$(win_path "$2")" /qn >/dev/null 2>&1; }

expected_report() {
  printf '%s\r\n' 'TOOL|261|Peravin|营养支持' 'LEVEL|0' \
    'OUT|葡萄糖输注速率|1.67|mg/kg/min' 'OUT|每日葡萄糖|144.0|g' 'VERDICT|GIR 在合理范围' \
    'DETAIL|葡萄糖输注速率：1.67 mg/kg/min 每日葡萄糖：144.0 g ' 'ERRORS|0'
}

# Runs a program's self-test in a fresh folder (the program given by a
# Windows path, or by name in FOLDER); true when it exits 0 and writes a
# whole report: Peravin's exactly as expected, another program's from its
# TOOL line to ERRORS|0.
self_test_passes() { # PROGRAM REPORT_NAME [FOLDER]
  local dir=${3:-} rc
  [ -n "$dir" ] || dir=$(mktemp -d "$tmp/run.XXXXXX")
  (cd "$dir" && wine_run "$1" --selftest "$2" >/dev/null 2>&1)
  rc=$?
  [ "$rc" -eq 0 ] || return 1
  if [ "${1##*[\\/]}" = "Peravin.exe" ]; then cmp -s "$dir/$2" <(expected_report)
  else head -n1 "$dir/$2" | grep -q '^TOOL|' && [ "$(tail -n1 "$dir/$2")" = $'ERRORS|0\r' ]; fi
}

# The exe file names in the build's program list ("exe|title|category"):
# all, the tools, and the launchers (no category).
built_programs() { cut -d'|' -f1 "$build/programs.txt" | grep .; }
built_tools() { awk -F'|' 'NF && $3 != "" { print $1 }' "$build/programs.txt"; }
built_launchers() { awk -F'|' 'NF && $3 == "" { print $1 }' "$build/programs.txt"; }

installed_programs_are_built() {
  local exe
  for exe in $(built_programs); do cmp -s "$(program_files)/$exe" "$build/$exe" || return 1; done
}

# The launcher's check of the whole suite, as an IT department runs it after
# a deployment: every installed program passes, each on a line of its own
# (id, program, title, exit 0) in the order of the list, by id.
installed_suite_passes() {
  local dir rc tools
  dir=$(mktemp -d "$tmp/suite.XXXXXX")
  (cd "$dir" && wine_run "C:\\Program Files\\TolmMed Suite\\TolmMedSuite.exe" --selftest suite.txt >/dev/null 2>&1)
  rc=$?
  tools=$(built_tools | wc -l)
  tr -d '\r' <"$dir/suite.txt" >"$dir/lines.txt"
  [ "$rc" -eq 0 ] && [ "$(tail -n1 "$dir/lines.txt")" = "COUNTS|$tools|$tools|0|0" ] &&
    head -n "$tools" "$dir/lines.txt" | cut -d'|' -f1 | sort -n -c &&
    [ "$(head -n "$tools" "$dir/lines.txt" | cut -d'|' -f2-4 | LC_ALL=C sort)" = \
      "$(awk -F'|' 'NF && $3 != "" { sub(/\.exe$/, "", $1); print $1 "|" $2 "|0" }' "$build/programs.txt" | LC_ALL=C sort)" ]
}

program_files() { echo "$WINEPREFIX/drive_c/Program Files/TolmMed Suite"; }

# The versions of the installed copies of the suite, one a line.
installed_copies() {
  wine_run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | awk '
      /^HKEY_/ { if (name == "TolmMed Suite") print version; name = ""; version = "" }
      $1 == "DisplayName" { name = substr($0, index($0, "REG_SZ") + 10) }
      $1 == "DisplayVersion" { version = $3 }
      END { if (name == "TolmMed Suite") print version }'
}

# Every copy of an exe and every shortcut of the suite, wherever Wine put them.
exe_copies() { find "$WINEPREFIX/drive_c" -path '*/windows' -prune -o -iname "$1" -print | wc -l; }
shortcuts() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/TolmMed Suite/*.lnk' | LC_ALL=C sort; }
desktop_shortcuts() { find "$WINEPREFIX/drive_c" -path '*/Desktop/*.lnk' | LC_ALL=C sort; }
suite_menus() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/TolmMed Suite' | wc -l; }
suite_menu() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/TolmMed Suite'; }

one_copy_of() { # VERSION
  [ "$(installed_copies)" = "$1" ] && [ "$(exe_copies Peravin.exe)" -eq 1 ] &&
    [ "$(shortcuts | wc -l)" -eq "$(built_programs | wc -l)" ] &&
    [ "$(desktop_shortcuts | wc -l)" -eq "$(built_launchers | wc -l)" ]
}

# The texts in a shortcut file, 8-bit and UTF-16.
link_texts() { LC_ALL=C strings -a "$1"; LC_ALL=C strings -a -e l "$1"; }

# The shortcut is there, opens the installed program and names no icon of
# its own (LinkFlags bit 0x40), so that it shows the program's icon.
link_opens() { # LINK EXE
  local flags
  [ -f "$1" ] && grep -qxF "C:\\Program Files\\TolmMed Suite\\$2" <<<"$(link_texts "$1")" || return 1
  flags=$(od -An -tu1 -j20 -N1 "$1")
  [ $((flags & 0x40)) -eq 0 ]
}

# Each tool has one Start-menu shortcut, named by its title, in the
# subfolder of its category; these and the launcher's are all there are.
tool_shortcuts_are_right() {
  local exe title category
  [ "$(shortcuts | wc -l)" -eq "$(built_programs | wc -l)" ] || return 1
  while IFS='|' read -r exe title category; do
    [ -n "$category" ] || continue
    link_opens "$(suite_menu)/$category/$title.lnk" "$exe" || return 1
  done <"$build/programs.txt"
}

# The launcher's shortcut sits at the top of the suite's folder and on the
# desktop; no other program has one there.
launcher_shortcuts_are_right() {
  local exe title category
  [ "$(built_launchers | wc -l)" -eq 1 ] &&
    [ "$(find "$(suite_menu)" -maxdepth 1 -name '*.lnk' | wc -l)" -eq 1 ] &&
    [ "$(desktop_shortcuts | wc -l)" -eq 1 ] || return 1
  while IFS='|' read -r exe title category; do
    [ -z "$category" ] || continue
    link_opens "$(suite_menu)/$title.lnk" "$exe" &&
      link_opens "$(desktop_shortcuts | grep -F "/$title.lnk")" "$exe" || return 1
  done <"$build/programs.txt"
}

records_snapshot() {
  (cd "$(wine_local_appdata)/TolmMedSuite" && find . -print0 | sort -z | xargs -0 ls -ld --time-style=+%s.%N &&
    find . -type f -print0 | sort -z | xargs -0 md5sum)
}

fully_removed() {
  [ ! -e "$(program_files)" ] && [ "$(suite_menus)" -eq 0 ] && [ -z "$(installed_copies)" ] &&
    [ "$(desktop_shortcuts | wc -l)" -eq 0 ]
}

# The programs the read-me lists ("    exe    title" lines), each as
# "exe|title|category" with the category of the "  【category】" heading
# above it (none above the first heading).
readme_listing() {
  awk '/^  【.*】$/ { heading = $0; sub(/^  【/, "", heading); sub(/】$/, "", heading); next }
       /^    [A-Za-z0-9._-]+\.exe    / { line = substr($0, 5); at = index(line, "    ")
                                         print substr(line, 1, at - 1) "|" substr(line, at + 4) "|" heading }'
}

readme_is_right() { # README file
  local text launcher title
  [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || return 1
  [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] || return 1
  text=$(tr -d '\r' <"$1")
  grep -qF 'Peravin.exe --selftest 报告.txt' <<<"$text" &&
    grep -qF '%LOCALAPPDATA%\TolmMedSuite\records\T261.csv' <<<"$text" || return 1
  # It lists the programs as the build does: the launcher first, then every
  # tool under its category.
  [ "$(readme_listing <<<"$text")" = "$(grep . "$build/programs.txt")" ] || return 1
  # Before any of them it says how to start with the launcher.
  IFS='|' read -r launcher title _ <"$build/programs.txt"
  [ "$(grep -n -m1 -F "双击 $launcher（$title）" <<<"$text" | cut -d: -f1)" -lt \
    "$(grep -n -m1 -F "    $launcher    $title" <<<"$text" | cut -d: -f1)" ]
}

portable_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }

# Makes a package with packaging/package.sh; true when its MSI and zip are there.
package() { # OUT_DIR VERSION [BUILD_DIR]
  "$root/packaging/package.sh" --out "$1" --version "$2" --build "${3:-$build}" >/dev/null &&
    [ -s "$1/TolmMedSuite-$2.msi" ] && [ -s "$1/TolmMedSuite-$2-portable.zip" ]
}

version_refused() { # VERSION
  ! package "$tmp/refused" "$1" 2>/dev/null && [ ! -e "$tmp/refused/TolmMedSuite-$1.msi" ]
}

reinstall_leaves_one_copy() { # PACKAGE VERSION_LEFT
  msi /i "$1"
  one_copy_of "$2"
}

upgrade_replaces() { # PACKAGE VERSION
  msi /i "$1" && one_copy_of "$2"
}

downgrade_refused() { # PACKAGE VERSION_LEFT
  ! msi /i "$1" && one_copy_of "$2"
}

remove_keeps_records() { # PACKAGE
  msi /x "$1" && fully_removed && [ "$(records_snapshot)" = "$before" ]
}

# The zip holds one folder with the built programs and the read-me; the
# read-me's own self-test command passes there (a path with a space).
portable_works() { # ZIP
  local dir=$tmp/portable exe
  mkdir -p "$dir" && unzip -q "$1" -d "$dir" || return 1
  dir=$dir/TolmMed\ Suite
  [ "$(portable_files "$dir")" = "$({ built_programs; echo README.txt; } | sed 's|^|./|' | LC_ALL=C sort)" ] &&
    readme_is_right "$dir/README.txt" || return 1
  for exe in $(built_programs); do cmp -s "$dir/$exe" "$build/$exe" || return 1; done
  self_test_passes Peravin.exe 报告.txt "$dir"
}

# Opened in a file manager, the zip shows the launcher first, then the
# read-me, then the tools in the list's order.
zip_starts_with_the_launcher() { # ZIP
  [ "$(unzip -Z1 "$1" | grep -v '/$')" = \
    "$({ built_launchers; echo README.txt; built_tools; } | sed 's|^|TolmMed Suite/|')" ]
}

family_removed() {
  msi /x "$tmp/family/TolmMedSuite-$version.msi" && fully_removed
}

# A build of two tools and no launcher, the second a copy under a Chinese
# title and category: the package follows the build's program list.
family_build() {
  local dir=$tmp/family-build
  mkdir -p "$dir" &&
    cp "$build/Peravin.exe" "$build/package_version.txt" "$dir/" &&
    cp "$build/Peravin.exe" "$dir/SecondTool.exe" &&
    printf 'Peravin.exe|Peravin|营养支持\nSecondTool.exe|第二工具（测试）|测试分类\n' >"$dir/programs.txt" &&
    package "$tmp/family" "$version" "$dir"
}

family_installs() {
  msi /i "$tmp/family/TolmMedSuite-$version.msi" &&
    [ "$(installed_copies)" = "$version" ] &&
    [ "$(shortcuts | sed "s|^$(suite_menu)/||" | tr '\n' '/')" = "测试分类/第二工具（测试）.lnk/营养支持/Peravin.lnk/" ] &&
    [ "$(desktop_shortcuts | wc -l)" -eq 0 ] &&
    self_test_passes 'C:\Program Files\TolmMed Suite\Peravin.exe' out.txt &&
    self_test_passes 'C:\Program Files\TolmMed Suite\SecondTool.exe' out.txt
}

# A list written before the category field, "exe|title", makes no package.
old_list_refused() {
  local dir=$tmp/old-list
  mkdir -p "$dir" && cp "$build/Peravin.exe" "$build/package_version.txt" "$dir/" &&
    printf 'Peravin.exe|Peravin\n' >"$dir/programs.txt" &&
    ! package "$tmp/old-list-out" "$version" "$dir" 2>/dev/null &&
    [ ! -e "$tmp/old-list-out/TolmMedSuite-$version.msi" ]
}

if [ ! -f "$build/Peravin.exe" ] || [ ! -f "$build/programs.txt" ]; then
  echo "build the windows preset first ($build)"
  echo "0 passed, 1 failed"
  exit 1
fi
version=$(cat "$build/package_version.txt")
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
current=$tmp/current/TolmMedSuite-$version.msi
rebuilt=$tmp/rebuilt/TolmMedSuite-$version.msi
newer=$tmp/next/TolmMedSuite-$next.msi

check "package.sh builds the installer and the archive" package "$tmp/current" "$version"
check "package.sh builds a second package of the same version" package "$tmp/rebuilt" "$version"
check "package.sh builds the next version ($next)" package "$tmp/next" "$next"
check "package.sh refuses a version Windows Installer cannot hold" version_refused 1.0.70000
check "package.sh builds a package of two tools without a launcher" family_build
check "package.sh refuses a program list without categories" old_list_refused
check "the package's texts are in code page 936" package_code_page_is "$current" 936

use_english_locale
wine_prefix_new
check "Wine in English runs in code page 1252" code_page_is 1252
check "msiexec /i installs where Wine runs in English" msi /i "$current"
check "there, each tool's shortcut is named by its Chinese title in its category's folder" tool_shortcuts_are_right
check "there, the launcher's shortcuts are named by its Chinese title" launcher_shortcuts_are_right
wine_cleanup

check "a Chinese locale for Wine" use_chinese_locale
wine_prefix_new
check "Wine in Chinese runs in code page 936" code_page_is 936
records=$(wine_local_appdata)/TolmMedSuite/records
mkdir -p "$records"
printf '\xEF\xBB\xBF时间,工具\r\n2024-01-01 08:00:00,Peravin\r\n' >"$records/T261.csv"
before=$(records_snapshot)

check "msiexec /i installs" msi /i "$current"
check "the installed programs are the built ones" installed_programs_are_built
check "the launcher's self-test of the installed suite passes, one line per tool" installed_suite_passes
check "each tool's Start-menu shortcut sits in its category's folder, opens it and shows its icon" \
  tool_shortcuts_are_right
check "the launcher's shortcut sits at the top of the suite's folder and on the desktop" \
  launcher_shortcuts_are_right
check "installing the same package again leaves one copy" reinstall_leaves_one_copy "$current" "$version"
check "installing another package of the same version leaves one copy" \
  reinstall_leaves_one_copy "$rebuilt" "$version"
check "the next version replaces the installed one" upgrade_replaces "$newer" "$next"
check "an older version does not install over a newer one" downgrade_refused "$current" "$next"
check "msiexec /x removes the suite and keeps the records" remove_keeps_records "$newer"
check "a package of two tools installs both, each with its shortcut in its category" family_installs
check "removing it removes both" family_removed
check "the zip unpacks to the built programs and the read-me listing them by category; Peravin's self-test passes" \
  portable_works "$tmp/current/TolmMedSuite-$version-portable.zip"
check "the zip starts with the launcher" zip_starts_with_the_launcher "$tmp/current/TolmMedSuite-$version-portable.zip"

finish packaging
