#!/usr/bin/env bash
# Checks the installation as a user gets it, after scripts/test.sh built
# everything: an install into a DESTDIR with its desktop entry and AppStream
# data validated; the Debian package, its contents and lintian's verdict;
# then (as root, as CI runs) the package installed with dpkg, the installed
# program started from an empty home, and the package removed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

echo "-- install into a DESTDIR"
DESTDIR="$work/root" cmake --install "$root/build" --prefix /usr >/dev/null
inst="$work/root/usr"
for f in bin/vitachron bin/vitachron-cli libexec/vitachron/vitachron-render \
         share/vitachron/HTMLHelp/index.html share/vitachron/vitachron-fonts.conf \
         share/locale/ja/LC_MESSAGES/vitachron.mo share/applications/vitachron.desktop \
         share/mime/packages/vitachron.xml share/icons/hicolor/256x256/apps/vitachron.png \
         share/icons/hicolor/16x16/apps/vitachron.png share/icons/hicolor/scalable/apps/vitachron.svg \
         share/metainfo/com.orvsoftware.Vitachron.metainfo.xml share/man/man1/vitachron.1.gz \
         share/man/man1/vitachron-cli.1.gz share/doc/vitachron/copyright share/doc/vitachron/README.md; do
  [ -e "$inst/$f" ] || fail "missing $f"
done
[ -z "$(find "$work/root" -name 'annalix*')" ] || fail "the stand-in Annalix is installed"
desktop-file-validate "$inst/share/applications/vitachron.desktop"
appstreamcli validate --no-net "$inst/share/metainfo/com.orvsoftware.Vitachron.metainfo.xml"
# A moved installation finds its parts from its own place.
[ "$("$inst/bin/vitachron-cli" --version | sed 's/.* //')" = "$("$inst/bin/vitachron" --version | sed 's/.* //')" ] ||
  fail "the two programs disagree on their version"

echo "-- the package"
deb=$("$root/scripts/package.sh" | tail -1)
echo "$deb: $(du -k "$deb" | cut -f1) KB"
dpkg-deb -f "$deb" Package Version Depends
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"
for f in /usr/bin/vitachron /usr/bin/vitachron-cli /usr/libexec/vitachron/vitachron-render \
         /usr/share/applications/vitachron.desktop /usr/share/doc/vitachron/changelog.gz; do
  grep -qx "$f" "$work/contents" || fail "$f not in the package"
done
! grep -q annalix "$work/contents" || fail "the stand-in Annalix is in the package"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q fonts-ipafont-gothic <<<"$depends" || fail "no dependency on the Japanese font"
lintian --fail-on error "$deb"

if [ "$(id -u)" -ne 0 ]; then
  echo "-- not root: the package is not installed here"
  exit 0
fi
echo "-- dpkg -i and the installed program"
# A package left by an earlier run that was stopped goes first.
if dpkg-query -W vitachron >/dev/null 2>&1; then
  dpkg --purge vitachron >/dev/null
fi
dpkg -i "$deb" >/dev/null
trap 'dpkg -r vitachron >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
command -v vitachron | grep -qx /usr/bin/vitachron || fail "vitachron is not on the PATH"
# (Outputs are taken whole before grep -q, which would cut the writer's pipe.)
association=$(gio mime application/x-vitachron)
grep -q "Default application.*vitachron.desktop" <<<"$association" || fail "the desktop does not open *.vtc with it"
home="$work/home"
mkdir -p "$home" "$work/docs" "$work/cwd"
cp "$root/data/sample.vtc" "$work/docs/見本.vtc"
touch "$work/before"
(cd "$work/cwd" && env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=C.UTF-8 NO_AT_BRIDGE=1 GTK_THEME=Adwaita \
  xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- \
  vitachron --screenshot "$work/shot.png" "$work/docs/見本.vtc") 2>"$work/run.log" || { cat "$work/run.log"; fail "the installed program failed"; }
cp "$work/shot.png" "$root/build/installed-screenshot.png"
[ "$(identify -format '%wx%h' "$work/shot.png")" = 1000x700 ] || fail "the picture is not the window"
# The timeline, not an empty window: many colours, and the sample's bars.
[ "$(identify -format '%k' "$work/shot.png")" -gt 50 ] || fail "the picture shows an empty window"
# Nothing outside the XDG folders: not beside the program, not in the
# current folder, not loose in the home.
outside=$(cd "$home" && find . -type f | grep -v -E '^\./(\.config|\.local/share|\.cache)/' || true)
[ -z "$outside" ] || fail "written outside the XDG folders: $outside"
[ -z "$(ls -A "$work/cwd")" ] || fail "written into the current folder"
[ -z "$(find /usr/bin /usr/libexec/vitachron /usr/share/vitachron -newer "$work/before")" ] ||
  fail "written beside the installed program"
[ -f "$home/.config/Vitachron.conf" ] || fail "no profile written"
[ ! -e "$home/.local/share/applications/vitachron.desktop" ] || fail "the installed program wrote a desktop entry"
# The tool draws from its installed place, with the installed render helper.
(cd "$work/cwd" && env -i PATH=/usr/bin:/bin HOME="$home" xvfb-run -a vitachron-cli render "$work/docs/見本.vtc" "$work/pic.png" >/dev/null)
[ -s "$work/pic.png" ] || fail "vitachron-cli render wrote no picture"
(cd "$work/cwd" && env -i PATH=/usr/bin:/bin HOME="$home" xvfb-run -a vitachron --print-to "$work/pages.pdf" "$work/docs/見本.vtc")
pdftoppm -r 30 -f 1 -l 1 -png "$work/pages.pdf" "$work/page"
[ "$(identify -format '%k' "$work"/page*.png)" -gt 10 ] || fail "the printed page is empty"

echo "-- removal"
dpkg -L vitachron | while read -r f; do [ -f "$f" ] && echo "$f"; done > "$work/files"
dpkg -r vitachron >/dev/null
while read -r f; do
  [ ! -e "$f" ] || fail "$f is left after removal"
done < "$work/files"
[ ! -e /usr/share/vitachron ] && [ ! -e /usr/libexec/vitachron ] || fail "folders left after removal"
echo "-- installation checks passed"
