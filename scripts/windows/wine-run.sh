#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix:
#   wine-run.sh PROGRAM.exe [ARGS...]
# CMake's test discovery and ctest start the cross-built programs through it.
# The prefix is made on first use: no Mono or Gecko download is attempted,
# and the IPA fonts stand in for the Windows Japanese faces.
#
#   VITACHRON_WINEPREFIX   the prefix (default: ~/.cache/vitachron-windows/wine;
#                          Wine wants one that belongs to the user running it)
set -euo pipefail

export WINEPREFIX=${VITACHRON_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vitachron-windows/wine}
export WINEDEBUG=-all
# Without Mono and Gecko; and shortcuts and associations made in the prefix
# (by the installer) stay there, never menu entries or MIME types of the
# user's Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Wine turns the registry texts below from the locale's encoding.
export LC_ALL=${LC_ALL:-C.UTF-8}

wine=wine
if ! command -v wine >/dev/null; then
  wine=/usr/lib/wine/wine64
fi

# reg_add KEY VALUE DATA [TYPE]
reg_add() {
  "$wine" reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f >/dev/null
}

make_prefix() {
  "$wine" wineboot --init >/dev/null 2>&1
  local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local face
  # Japanese text in the faces Windows' controls and dialogs use.
  for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" "Arial" "Microsoft Sans Serif" \
    "Liberation Sans" "Times New Roman" "Courier New" "MS UI Gothic"; do
    reg_add "$link" "$face" 'ipag.ttf,IPAGothic' REG_MULTI_SZ
  done
  # The Windows Japanese faces by name: the program asks for them.
  local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  reg_add "$subst" "ＭＳ Ｐゴシック" "IPAPGothic"
  reg_add "$subst" "ＭＳ ゴシック" "IPAGothic"
  reg_add "$subst" "MS PGothic" "IPAPGothic"
  reg_add "$subst" "MS Gothic" "IPAGothic"
  reg_add "$subst" "ＭＳ Ｐ明朝" "IPAPMincho"
  reg_add "$subst" "ＭＳ 明朝" "IPAMincho"
  wineserver -w
}

if [ ! -e "$WINEPREFIX/.vitachron-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # ctest starts several programs at once; one of them makes the prefix.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -e "$WINEPREFIX/.vitachron-ready" ]; then
    rm -rf "$WINEPREFIX"
    make_prefix 9>&-
    touch "$WINEPREFIX/.vitachron-ready"
  fi
  exec 9>&-
fi

# ctest starts one program per test: a server that outlives each of them by
# half a minute saves booting Wine's services every time. The services are
# booted here, away from the program's output: otherwise they would hold the
# first program's output open, and ctest would wait for it as long as they
# run. wineserver fails when one runs already.
exec 9>"$WINEPREFIX.lock"
flock 9
# (The server must not inherit the lock, or it would hold it all its life.)
if wineserver -p30 </dev/null >/dev/null 2>&1 9>&-; then
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
fi
exec 9>&-

exec "$wine" "$@"
