#!/usr/bin/env bash
# The Windows program as a user starts it, under Wine: it opens the sample
# and shows the timeline (a screenshot with the name column and bars in it),
# prints it into a PDF whose text holds every person's name in Japanese,
# and closes by itself each time.
#   smoke.sh VITACHRON_EXE VITACHRON_CLI_EXE SOURCE_DIR [KEEP_DIR]
# With KEEP_DIR the screenshot and pages stay there to be looked at.
set -euo pipefail
program=$1
cli=$2
src=$3
keep=${4:-}
wine_run="$src/scripts/windows/wine-run.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src/data/sample.vtc" "$work/年表.vtc"
cd "$work"

fail() {
  echo "smoke: $*" >&2
  exit 1
}

# A Japanese file name on the command line, as Explorer passes it.
timeout 120 "$wine_run" "$program" --screenshot shot.png 年表.vtc || fail "the screenshot run failed"
[ -s shot.png ] || fail "no screenshot"
read -r width height < <(identify -format '%w %h\n' shot.png)
[ "$width" -ge 400 ] && [ "$height" -ge 300 ] || fail "the window is ${width}x${height}"
# A drawn timeline has many colours (bars, categories, text); an empty or
# black window has a handful. Every pixel is opaque, and the text and lines
# make a share of it dark (a window of empty controls has hardly any).
colours=$(convert shot.png -format '%k' info:)
[ "$colours" -ge 16 ] || fail "the window shows only $colours colours"
opaque=$(convert shot.png -alpha extract -format '%[fx:minima]' info: 2>/dev/null || echo 1)
[ "$opaque" = 1 ] || fail "the screenshot has transparent pixels"
dark=$(convert shot.png -alpha off -colorspace gray -threshold 50% -format '%[fx:1-mean]' info:)
awk -v d="$dark" 'BEGIN { exit !(d > 0.02) }' || fail "the window is nearly empty ($dark dark)"
# The bars: the sample's default category colour (a light blue-violet).
bars=$(convert shot.png -alpha off -fuzz 8% -fill black +opaque '#8080ff' -fill white -opaque '#8080ff' \
  -format '%[fx:mean]' info:)
awk -v b="$bars" 'BEGIN { exit !(b > 0.001) }' || fail "no life bars in the window"

timeout 120 "$wine_run" "$program" --print-to pages.pdf 年表.vtc || fail "printing to a PDF failed"
pdfinfo pages.pdf >/dev/null || fail "the PDF does not open"
pdftotext -enc UTF-8 pages.pdf pages.txt
missing=0
while IFS= read -r name; do
  name=${name%$'\r'}
  name=${name%%##*}  # what follows "##" is shown as a second line
  [ -z "$name" ] && continue
  if ! tr -d ' \n' <pages.txt | grep -qF "$(printf '%s' "$name" | tr -d ' ')"; then
    echo "smoke: not in the printed pages: $name" >&2
    missing=$((missing + 1))
  fi
done < <("$wine_run" "$cli" sort 年表.vtc 0)
[ "$missing" -eq 0 ] || fail "$missing names missing from the PDF"
pdftoppm -r 50 -png pages.pdf page
page_colours=$(convert page-1.png -format '%k' info:)
[ "$page_colours" -ge 8 ] || fail "the first page shows only $page_colours colours"

if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp shot.png pages.pdf page-*.png "$keep"/
fi
echo "smoke: window ${width}x${height} with $colours colours; $(pdfinfo pages.pdf | awk '/^Pages:/{print $2}') pages, every name printed"
