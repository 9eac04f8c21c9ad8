#!/usr/bin/env bash
# The Windows program keeps its profile in the registry, under
# HKEY_CURRENT_USER\Software\Orv Software\Vitachron, with the groups and keys
# of the Linux profile: the recent files, the window's place and the Init
# values come back in the next run, and a stored place that fits no display
# gives the default size.
#   profile.sh VITACHRON_EXE SOURCE_DIR
set -euo pipefail
program=$(realpath "$1")
src=$(realpath "$2")
wine_run="$src/scripts/windows/wine-run.sh"
key='HKCU\Software\Orv Software\Vitachron'

work=$(mktemp -d)
cleanup() {
  "$wine_run" reg delete "$key" /f >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
cp "$src/data/sample.vtc" "見本.vtc"

fail() {
  echo "profile: $*" >&2
  exit 1
}

# The profile as "GROUP/NAME=VALUE" lines, numbers in decimal.
profile() {
  rm -f profile.reg
  "$wine_run" reg export "$key" 'profile.reg' /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 profile.reg | tr -d '\r' | awk '
    function hex(s,   n, i) {
      n = 0
      for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(tolower(s), i, 1)) - 1
      return n
    }
    /^\[/ { group = $0; sub(/^\[.*\\Vitachron\\?/, "", group); sub(/\]$/, "", group); next }
    /^"/ {
      eq = index($0, "\"=")
      name = substr($0, 2, eq - 2)
      value = substr($0, eq + 2)
      if (value ~ /^dword:/) {
        value = hex(substr(value, 7))
        if (value >= 2147483648) value -= 4294967296
        value = sprintf("%d", value)
      } else {
        gsub(/^"|"$/, "", value)
        gsub(/\\\\/, "\\", value)
      }
      print group "/" name "=" value
    }'
}
value() { profile | awk -v k="$1=" 'index($0, k) == 1 { print substr($0, length(k) + 1) }'; }
set_number() { "$wine_run" reg add "$key\\$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null; }
set_text() { "$wine_run" reg add "$key\\$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null; }
run() { timeout 120 "$wine_run" "$program" --screenshot "$@" >run.log 2>&1 || fail "the run $* failed: $(cat run.log)"; }
size() { identify -format '%wx%h' "$1"; }

"$wine_run" reg delete "$key" /f >/dev/null 2>&1 || true
run first.png 見本.vtc
document=$("$wine_run" winepath -w "$work/見本.vtc" 2>/dev/null | tr -d '\r')
[ "$(value 'Recent File List/File1')" = "$document" ] ||
  fail "the recent file is '$(value 'Recent File List/File1')', not '$document'"
left=$(value LastPos/left)
right=$(value LastPos/right)
[ -n "$left" ] && [ -n "$right" ] && [ "$right" -gt "$left" ] || fail "no window place: $(profile)"

# A place and initial values of the user's own.
for pair in left=60 top=40 right=860 bottom=640; do
  set_number LastPos "${pair%=*}" "${pair#*=}"
done
for pair in LeftWidth=222 YearOnly=1 KazoeAster=0 DisplayAge=0 DefaultBarLength=30; do
  set_number Init "${pair%=*}" "${pair#*=}"
done
set_text Init Comment '//'
before=$(profile | grep -E '^(LastPos|Init)/' | sort)
run second.png
[ "$(size second.png)" = 800x600 ] || fail "the stored place gave a $(size second.png) window"
after=$(profile | grep -E '^(LastPos|Init)/' | sort)
[ "$after" = "$before" ] || fail "the profile changed: $(diff <(echo "$before") <(echo "$after"))"
[ "$(value 'Recent File List/File1')" = "$document" ] || fail "the recent file was lost"

# A place no display holds: the default size, and the place repaired.
set_number LastPos right 40000
set_number LastPos bottom 40000
run third.png
[ "$(size third.png)" = 1000x700 ] || fail "a place off every display gave a $(size third.png) window"
[ $(($(value LastPos/right) - $(value LastPos/left))) -eq 1000 ] || fail "the place was not repaired: $(profile)"
echo "profile: recent file, window place and Init values kept in $key"
