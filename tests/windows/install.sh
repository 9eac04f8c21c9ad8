#!/usr/bin/env bash
# The Windows installer and zip as a user gets them, under Wine, in a fresh
# prefix of their own (a machine that never had Vitachron):
#   - a silent install (/S) puts every file of the zip, and nothing else but
#     the uninstaller, in Program Files\Vitachron; the Start menu gets the
#     program and its help; .vtc opens with the installed program and shows
#     its icon; Add or Remove Programs lists it; the PATH stays as it was;
#   - the installed program, started as the association says, shows the
#     installed sample; the installed vitachron-cli draws it through the
#     vitachron-render beside it;
#   - the silent uninstall leaves the machine as it was before: files,
#     shortcuts and registry (only the program's own profile stays);
#   - installing again elsewhere (a Japanese folder name with a space) and
#     then over it moves the installation whole;
#   - an uninstall leaves .vtc to a program that has taken it over since;
#   - the program unpacked from the zip runs from its folder.
#   install.sh SOURCE_DIR CPACK_CONFIG [INSTALLER ZIP]
# Without INSTALLER and ZIP, cpack ($CPACK, else cpack from the PATH) makes
# both from the build whose CPackConfig.cmake is given. Needs a display.
set -euo pipefail
src=$1
config=$2
installer=${3:-}
zip=${4:-}

work=$(mktemp -d)
export VITACHRON_WINEPREFIX="$work/wine"
cleanup() {
  WINEPREFIX="$VITACHRON_WINEPREFIX" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
wine_run="$src/scripts/windows/wine-run.sh"
drive_c="$VITACHRON_WINEPREFIX/drive_c"
default_dir="$drive_c/Program Files/Vitachron"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vitachron"
classes='HKLM\Software\Classes'
uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vitachron'

fail() {
  echo "install: $*" >&2
  exit 1
}
wine_step() {
  timeout 120 "$wine_run" "$@" </dev/null
}

if [ -z "$installer" ]; then
  started=$SECONDS
  "${CPACK:-cpack}" --config "$config" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  echo "install: cpack made the packages in $((SECONDS - started)) s"
  installer=$(echo "$work"/packages/vitachron-setup-*.exe)
  zip=$(echo "$work"/packages/vitachron-*-win64.zip)
fi
[ -f "$installer" ] || fail "no installer: $installer"
[ -f "$zip" ] || fail "no zip: $zip"

# The zip holds one folder named as the zip: the reference for what the
# installer puts in place.
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
unpacked="$work/zip/$(basename "$zip" .zip)"
[ -d "$unpacked" ] || fail "the zip has no folder $(basename "$zip" .zip)"
for f in vitachron.exe vitachron-cli.exe vitachron-render.exe HTMLHelp/index.html \
         locale/ja/LC_MESSAGES/vitachron.mo locale/ja/LC_MESSAGES/wxstd-3.2.mo \
         sample.vtc README.md copyright.txt; do
  [ -s "$unpacked/$f" ] || fail "the zip has no $f"
done
[ ! -e "$unpacked/Uninstall.exe" ] || fail "the zip has an uninstaller"
(cd "$unpacked" && find . -type f | sort) >"$work/zip.files"

# reg_value KEY [NAME]: the value's data (the default value without NAME),
# from an export: reg query prints in the console's code page, which has
# no Japanese. Fails when there is no such value.
reg_value() {
  local name='@'
  [ $# -lt 2 ] || name="\"$2\""
  wine_step reg export "$1" "$work_win\\value.reg" /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16LE -t UTF-8 "$work/value.reg" | tr -d '\r' | awk -v name="$name" '
    /^\[/ { if (seen++) exit; next }
    seen && index($0, name "=") == 1 { v = substr($0, length(name) + 2); found = 1; exit }
    END {
      if (!found) exit 1
      if (v ~ /^".*"$/) {  # a string, with \\ and \" in it
        s = ""
        for (i = 2; i < length(v); i++) {
          c = substr(v, i, 1)
          if (c == "\\") c = substr(v, ++i, 1)
          s = s c
        }
        v = s
      }
      print v
    }'
}
reg_absent() {
  ! wine_step reg query "$1" >/dev/null 2>&1 || fail "$2: $1 is still there"
}
# The machine's state the installer may touch: the files under C:\ but the
# users' own folders (the program's profile and temporary files), and the
# registry of the machine, as text.
snapshot() {
  (cd "$drive_c" && find . -path ./users -prune -o -print | LC_ALL=C sort) >"$1.files"
  wine_step reg export 'HKLM\Software' "$work_win\\$(basename "$1").reg" /y >/dev/null
  iconv -f UTF-16LE -t UTF-8 "$1.reg" | tr -d '\r' >"$1.registry"
}
same_as_before() {
  snapshot "$work/after"
  diff "$work/before.files" "$work/after.files" >&2 || fail "$1: files differ from before the install"
  diff "$work/before.registry" "$work/after.registry" >&2 || fail "$1: the registry differs from before the install"
}
winpath() {
  wine_step winepath -w "$1" | tr -d '\r'
}
# as_written PROGRAM ARGUMENTS: wine quotes every argument with a space in
# it, but the installer's /D= and the uninstaller's _?= are read only
# unquoted; a batch file passes them as written. (From the environment:
# a Japanese name written into the batch file would be read in the
# console's code page.)
as_written() {
  printf '@"%%VITACHRON_PROGRAM%%" %%VITACHRON_ARGUMENTS%%\r\n@exit %%ERRORLEVEL%%\r\n' >"$work/as-written.cmd"
  VITACHRON_PROGRAM=$(winpath "$1") VITACHRON_ARGUMENTS=$2 wine_step cmd /c "$(winpath "$work/as-written.cmd")"
}
# uninstall FOLDER (as Windows names it): as the uninstaller runs itself, a
# copy that works on the folder (_?=), so that this waits for it to end.
uninstall() {
  local unix
  unix=$(wine_step winepath -u "$1" | tr -d '\r')
  [ -f "$unix/Uninstall.exe" ] || fail "no uninstaller in $1"
  cp "$unix/Uninstall.exe" "$work/uninstall-copy.exe"
  as_written "$work/uninstall-copy.exe" "/S _?=$1" || fail "the uninstaller failed"
  rm -f "$work/uninstall-copy.exe"
}
path_values() {
  local env
  for env in 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' 'HKCU\Environment'; do
    echo "$env: $(reg_value "$env" PATH || true)"
  done
}
# check_picture PNG WHAT MIN_COLOURS
check_picture() {
  [ -s "$1" ] || fail "$2: no picture"
  local width height colours
  read -r width height < <(identify -format '%w %h\n' "$1")
  [ "$width" -ge 400 ] && [ "$height" -ge 300 ] || fail "$2: the window is ${width}x${height}"
  # A drawn timeline has many colours (bars, categories, text; the window's
  # text smoothed, the CLI's not); an empty or black picture has a handful.
  colours=$(convert "$1" -format '%k' info:)
  [ "$colours" -ge "$3" ] || fail "$2: only $colours colours"
  echo "install: $2: ${width}x${height}, $colours colours"
}
# check_installed FOLDER (as Windows names it)
check_installed() {
  local dir=$1 unix exe
  unix=$(wine_step winepath -u "$dir" | tr -d '\r')
  (cd "$unix" && find . -type f | sort) >"$work/installed.files"
  { cat "$work/zip.files"; echo ./Uninstall.exe; } | sort | diff - "$work/installed.files" >&2 ||
    fail "$dir holds other files than the zip (and the uninstaller)"
  while read -r f; do
    cmp -s "$unpacked/$f" "$unix/$f" || fail "$f is not the zip's"
  done <"$work/zip.files"

  exe="$dir\\vitachron.exe"
  [ -s "$menu/Vitachron.lnk" ] || fail "no Start-menu entry for the program"
  [ -s "$menu/Vitachron ヘルプ.lnk" ] || fail "no Start-menu entry for the help"
  [ "$(find "$menu" -type f | wc -l)" -eq 2 ] || fail "the Start-menu folder holds more than two entries"
  # A shortcut names its target in the system's code page, where a Japanese
  # folder name becomes question marks: then only the file name is checked.
  local program='.*\\vitachron\.exe' help='.*\\HTMLHelp\\index\.html'
  if ! LC_ALL=C grep -q '[^ -~]' <<<"$dir"; then
    program=$(sed 's/[.\\]/\\&/g' <<<"$exe")
    help=$(sed 's/[.\\]/\\&/g' <<<"$dir\\HTMLHelp\\index.html")
  fi
  strings "$menu/Vitachron.lnk" | grep -qx "$program" || fail "the program's entry starts something else"
  strings "$menu/Vitachron ヘルプ.lnk" | grep -qx "$help" || fail "the help's entry opens something else"

  [ "$(reg_value "$classes\\.vtc")" = "Vitachron.Document" ] || fail ".vtc is not a Vitachron.Document"
  reg_value "$classes\\.vtc\\OpenWithProgids" Vitachron.Document >/dev/null || fail ".vtc has no OpenWithProgids entry"
  [ "$(reg_value 'HKCR\Vitachron.Document\DefaultIcon')" = "\"$exe\",0" ] || fail "the document icon is not the program's"
  command=$(reg_value 'HKCR\Vitachron.Document\shell\open\command')
  [ "$command" = "\"$exe\" \"%1\"" ] || fail "the open command is $command"
  [ "$(reg_value "$uninst_key" UninstallString)" = "\"$dir\\Uninstall.exe\"" ] || fail "Add or Remove Programs has no uninstaller"
  [ "$(reg_value "$uninst_key" DisplayName)" = "Vitachron" ] || fail "Add or Remove Programs names it otherwise"
  [ "$(reg_value 'HKCR\Vitachron.Document')" = "Vitachronファイル" ] ||
    fail "the document type is not named as the program names it"
  path_values | diff "$work/path.before" - >&2 || fail "the PATH changed"
}

work_win=$(winpath "$work")  # (makes the prefix)
path_values >"$work/path.before"
snapshot "$work/before"

echo "-- install silently into Program Files"
wine_step "$installer" /S || fail "the installer failed"
check_installed 'C:\Program Files\Vitachron'

echo "-- start the installed program as the association does"
mkdir "$work/run" && cd "$work/run"
# The open command with the sample for %1, and the screenshot asked for.
wine_step 'C:\Program Files\Vitachron\vitachron.exe' --screenshot shot.png 'C:\Program Files\Vitachron\sample.vtc' ||
  fail "the installed program failed"
check_picture shot.png "the installed program" 16
wine_step 'C:\Program Files\Vitachron\vitachron-cli.exe' render 'C:\Program Files\Vitachron\sample.vtc' drawn.png >/dev/null ||
  fail "the installed vitachron-cli could not draw"
check_picture drawn.png "the installed vitachron-cli" 8
cd "$work"

echo "-- uninstall silently"
uninstall 'C:\Program Files\Vitachron'
[ ! -e "$default_dir" ] || fail "the program's folder is still there"
[ ! -e "$menu" ] || fail "the Start-menu folder is still there"
reg_absent "$classes\\.vtc" "uninstalled"
reg_absent "$classes\\Vitachron.Document" "uninstalled"
reg_absent "$uninst_key" "uninstalled"
same_as_before "uninstalled"

echo "-- install into another folder, then over it into Program Files"
other='C:\Apps\人物 年表'
as_written "$installer" "/S /D=$other" || fail "the installer failed with /D"
check_installed "$other"
as_written "$installer" '/S /D=C:\Program Files\Vitachron' ||
  fail "installing over the first installation failed"
[ ! -e "$drive_c/Apps/人物 年表" ] || fail "the earlier installation is still there"
check_installed 'C:\Program Files\Vitachron'

echo "-- uninstall after another program took .vtc"
wine_step reg add "$classes\\.vtc" /ve /d Other.Document /f >/dev/null
uninstall 'C:\Program Files\Vitachron'
[ "$(reg_value "$classes\\.vtc")" = "Other.Document" ] || fail "the uninstaller took .vtc from the other program"
! reg_value "$classes\\.vtc\\OpenWithProgids" Vitachron.Document >/dev/null || fail "OpenWithProgids still names Vitachron"
reg_absent "$classes\\Vitachron.Document" "uninstalled"
wine_step reg delete "$classes\\.vtc" /f >/dev/null
rmdir "$drive_c/Apps"  # made by the test's /D, not the installer
same_as_before "uninstalled again"

echo "-- the program from the zip"
cd "$unpacked"
wine_step ./vitachron.exe --screenshot shot.png sample.vtc || fail "the program from the zip failed"
check_picture shot.png "the program from the zip" 16
echo "install: installed, started, moved and uninstalled; the zip runs"
