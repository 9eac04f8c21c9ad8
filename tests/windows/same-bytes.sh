#!/usr/bin/env bash
# Runs the same file operations with the Linux and the Windows vitachron-cli
# and fails on any byte that differs: documents, CSV (code page 932 and
# UTF-8), base-point year files and their names, GEDCOM, the dump and the
# display order. Documents are made from the sample, so their settings do
# not depend on the day.
#   same-bytes.sh LINUX_CLI WINDOWS_CLI SOURCE_DIR
# The Windows program runs through scripts/windows/wine-run.sh.
set -euo pipefail
linux_cli=$1
windows_cli=$2
src=$3
wine_run="$src/scripts/windows/wine-run.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/linux" "$work/windows"

# The CSV a user might bring: code page 932, partial and uncertain dates,
# quoted fields with commas and line breaks.
printf '%s' '1543/1/31,1616/6/1,徳川家康,とくがわいえやす,武将,"江戸幕府を開く, 初代将軍"
?1534,1582,織田信長,おだのぶなが,武将,
1867/10?,,"夏目
漱石",なつめそうせき,作家,
' | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' >"$work/people.csv"

# run SIDE ARGS...: one operation in that side's folder.
run() {
  local side=$1
  shift
  if [ "$side" = linux ]; then
    (cd "$work/linux" && "$linux_cli" "$@")
  else
    (cd "$work/windows" && "$wine_run" "$windows_cli" "$@")
  fi
}

for side in linux windows; do
  cp "$src/data/sample.vtc" "$work/$side/sample.vtc"
  cp "$work/people.csv" "$work/$side/people.csv"
  cp "$src/data/sample.vtc" "$work/$side/base.vtc"
  mkdir -p "$work/$side/lby"
  run "$side" dump sample.vtc >"$work/$side/dump.json"
  run "$side" sort sample.vtc 3 --group >"$work/$side/sorted.txt"
  run "$side" export-csv sample.vtc out.csv >/dev/null
  run "$side" export-csv sample.vtc out-utf8.csv --utf8 >/dev/null
  run "$side" import-csv people.csv from-csv.vtc --into base.vtc >/dev/null 2>&1
  run "$side" export-lby sample.vtc lby >/dev/null 2>&1
  (cd "$work/$side" && ls lby | LC_ALL=C sort >lby-names.txt)
  # shellcheck disable=SC2046
  run "$side" import-lby from-lby.vtc $(cd "$work/$side" && LC_ALL=C ls lby/*.lby | head -n 3) --into base.vtc >/dev/null 2>&1
  run "$side" export-gedcom sample.vtc out.ged >/dev/null
  run "$side" export-gedcom sample.vtc out7.ged --gedcom7 >/dev/null
  run "$side" import-gedcom out.ged from-ged.vtc --into base.vtc >/dev/null 2>&1
  run "$side" sort from-csv.vtc 0 >"$work/$side/from-csv.txt"
done

# The GEDCOM header carries the day of writing: both sides wrote today.
failed=0
compared=0
while IFS= read -r -d '' file; do
  rel=${file#"$work/linux/"}
  compared=$((compared + 1))
  if [ ! -s "$file" ]; then
    echo "empty: $rel (an operation failed)" >&2
    failed=1
  fi
  if ! cmp -s "$file" "$work/windows/$rel"; then
    echo "differs: $rel" >&2
    cmp "$file" "$work/windows/$rel" >&2 || true
    failed=1
  fi
done < <(find "$work/linux" -type f -print0)
if [ "$(cd "$work/linux" && find . | LC_ALL=C sort)" != "$(cd "$work/windows" && find . | LC_ALL=C sort)" ]; then
  echo "the two sides made different files:" >&2
  diff <(cd "$work/linux" && find . | LC_ALL=C sort) <(cd "$work/windows" && find . | LC_ALL=C sort) >&2 || true
  failed=1
fi
if [ $compared -lt 20 ]; then
  echo "only $compared files were made: an operation failed" >&2
  failed=1
fi
[ $failed -eq 0 ] && echo "same bytes: $compared files"
exit $failed
