#!/usr/bin/env bash
# Builds the libraries the Windows program links statically - GoogleTest,
# nlohmann-json, libpng, expat, pixman, cairo and wxWidgets for
# x86_64-w64-mingw32 - from Debian bookworm's
# source packages at pinned versions (zlib comes ready-built from
# libz-mingw-w64-dev). The result is a prefix outside the work tree, keyed by
# the versions, the compiler and this script's own contents, so a second run
# only prints the prefix. A run that was stopped goes on where it stopped:
# finished libraries are kept, and the wxWidgets build resumes. Prints the
# prefix on stdout; progress goes to stderr.
#
#   VITACHRON_WINDOWS_CACHE  where prefixes are kept
#                            (default /var/cache/vitachron-windows when
#                            writable, else ~/.cache/vitachron-windows)
#   VITACHRON_DEPS_JOBS      parallel make jobs (default: number of cores)
#
# The heavy part, wxWidgets, takes about half an hour on two cores; every
# compiler runs at the lowest priority so a shared machine stays usable.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
host=x86_64-w64-mingw32

libpng_version=1.6.39-2+deb12u5
expat_version=2.5.0-1+deb12u2
pixman_version=0.42.2-1
cairo_version=1.16.0-7
wx_version=3.2.2+dfsg-2
googletest_version=1.12.1-0.2
json_version=3.11.2-2

log() { printf '%s\n' "$*" >&2; }

"$here/setup-debian.sh"

cc="$host-gcc-posix"
cxx="$host-g++-posix"
zlib_version=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)
compiler_id=$("$cxx" --version | head -n1)

key=$( {
  cat "$0"
  echo "zlib=$zlib_version libpng=$libpng_version expat=$expat_version"
  echo "pixman=$pixman_version cairo=$cairo_version wx=$wx_version"
  echo "googletest=$googletest_version json=$json_version"
  echo "$compiler_id"
} | sha256sum | cut -c1-16)

cache=${VITACHRON_WINDOWS_CACHE:-}
if [ -z "$cache" ]; then
  cache=/var/cache/vitachron-windows
  if ! mkdir -p "$cache" 2>/dev/null || [ ! -w "$cache" ]; then
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/vitachron-windows
  fi
fi
mkdir -p "$cache"
prefix="$cache/prefix-$key"

if [ -e "$prefix/.complete" ]; then
  log "Windows dependencies: cached in $prefix"
  echo "$prefix"
  exit 0
fi

# One build at a time per cache; a second caller waits and then finds the
# finished prefix.
exec 9>"$cache/.lock"
flock 9
if [ -e "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# Unfinished work of other keys (an older script or other versions) is of no
# more use; this key's own is where a stopped run goes on.
for stale in "$cache"/build-* "$cache"/prefix-*; do
  if [ -d "$stale" ] && [ ! -e "$stale/.complete" ] && [ "${stale##*-}" != "$key" ]; then
    rm -rf "$stale"
  fi
done
work="$cache/build-$key"
mkdir -p "$work/src" "$work/logs" "$prefix"
jobs=${VITACHRON_DEPS_JOBS:-$(nproc)}

launcher=""
if command -v ccache >/dev/null; then
  launcher=ccache
  cc="ccache $cc"
  cxx="ccache $cxx"
fi
export CC="$cc" CXX="$cxx"
export CPPFLAGS="-I$prefix/include"
export LDFLAGS="-L$prefix/lib"
export CFLAGS="-O2" CXXFLAGS="-O2"
# Only the cross prefix and the mingw sysroot, never the build machine's .pc
# files.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig"
unset PKG_CONFIG_PATH PKG_CONFIG_SYSROOT_DIR

started_all=$SECONDS
# Everything from here on, every compiler included, at the lowest priority.
renice -n 19 -p $$ >/dev/null

# step NAME COMMAND...: runs COMMAND in a subshell with its output in a log,
# and shows the log's end if it fails; a step that finished in an earlier run
# of this key is not run again.
step() {
  local name=$1
  shift
  if [ -e "$prefix/.built-$name" ]; then
    log "== $name: built before"
    return
  fi
  local started=$SECONDS
  log "== $name"
  # Not inside "if": there errexit would stop working within COMMAND too.
  local rc=0
  set +e
  (set -e; "$@") >"$work/logs/$name.log" 2>&1
  rc=$?
  set -e
  if [ $rc -ne 0 ]; then
    tail -n 40 "$work/logs/$name.log" >&2
    log "$name failed; the whole log is $work/logs/$name.log"
    exit 1
  fi
  touch "$prefix/.built-$name"
  log "   $name: $((SECONDS - started)) s"
}

# fetch PACKAGE VERSION: downloads a source package (verified by apt against
# the signed index) and unpacks it with Debian's patches applied. Every file
# then gets one and the same time stamp, so make does not try to run the
# autotools again because a patch (only ever a test's Makefile.am here)
# touched their inputs.
fetch() {
  local pkg=$1 version=$2
  rm -rf "${work:?}/src/$pkg"
  (cd "$work/src" && apt-get source -qq --download-only "$pkg=$version") >&2
  local dsc="$work/src/${pkg}_${version#*:}.dsc"
  (cd "$work/src" && dpkg-source --no-check -x "$dsc" "$pkg") >&2
  find "$work/src/$pkg" -exec touch -h -d '2000-01-01 00:00:00' {} +
}

# fetch_orig PACKAGE VERSION: the upstream tarball alone, checked against the
# SHA-256 in the package's .dsc. pixman's Debian diff is missing from the
# archive, and it only adds Debian's packaging, no source patch.
fetch_orig() {
  local pkg=$1 version=$2 upstream=${2%-*}
  (cd "$work/src" && apt-get source -qq --download-only "$pkg=$version" || true) >&2
  local dsc="$work/src/${pkg}_${version}.dsc"
  local tarball
  tarball=$(cd "$work/src" && ls "${pkg}_${upstream}".orig.tar.*)
  rm -rf "${work:?}/src/$pkg"
  local want
  want=$(awk -v f="$tarball" '/^Checksums-Sha256:/{s=1;next} /^[^ ]/{s=0} s && $3==f {print $1}' "$dsc")
  [ -n "$want" ] || { log "no checksum for $tarball in $dsc"; exit 1; }
  echo "$want  $work/src/$tarball" | sha256sum -c --quiet - >&2
  mkdir -p "$work/src/$pkg"
  tar -xf "$work/src/$tarball" -C "$work/src/$pkg" --strip-components=1
}

configure_flags=(--host="$host" --prefix="$prefix" --enable-static --disable-shared
  --disable-dependency-tracking)
cmake_flags=(-G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SYSTEM_NAME=Windows
  -DCMAKE_C_COMPILER="$host-gcc-posix" -DCMAKE_CXX_COMPILER="$host-g++-posix"
  -DCMAKE_RC_COMPILER="$host-windres" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib)
if [ -n "$launcher" ]; then
  cmake_flags+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# --- GoogleTest, first: the core's tests need nothing else --------------------
build_googletest() {
  fetch googletest "$googletest_version"
  cd "$work/src/googletest"
  cmake -S . -B build "${cmake_flags[@]}" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
  cmake --build build -j"$jobs"
  cmake --install build
}
step googletest build_googletest

# --- nlohmann-json: headers only, but never the build machine's /usr/include -
build_json() {
  fetch nlohmann-json3 "$json_version"
  cd "$work/src/nlohmann-json3"
  cmake -S . -B build "${cmake_flags[@]}" -DJSON_BuildTests=OFF -DJSON_Install=ON
  cmake --install build
}
step nlohmann-json build_json

# --- libpng ---------------------------------------------------------------
build_libpng() {
  fetch libpng1.6 "$libpng_version"
  cd "$work/src/libpng1.6"
  ./configure "${configure_flags[@]}"
  make -j"$jobs"
  make install
}
step libpng build_libpng

# --- expat ----------------------------------------------------------------
build_expat() {
  fetch expat "$expat_version"
  cd "$work/src/expat/expat"
  # Debian's security patches test "XML_DTD == 1", which the autotools
  # header defines that way and the CMake one does not.
  sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' expat_config.h.cmake
  grep -q '^#cmakedefine XML_DTD 1$' expat_config.h.cmake
  cmake -S . -B build "${cmake_flags[@]}" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
    -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_FUZZERS=OFF
  cmake --build build -j"$jobs"
  cmake --install build
}
step expat build_expat

# --- pixman ---------------------------------------------------------------
build_pixman() {
  fetch_orig pixman "$pixman_version"
  cd "$work/src/pixman"
  ./configure "${configure_flags[@]}" --disable-gtk --disable-libpng --disable-openmp
  make -j"$jobs" -C pixman
  make -C pixman install
  make install-pkgconfigDATA
}
step pixman build_pixman

# --- cairo: PDF and PNG surfaces, Win32 surfaces and fonts ------------------
build_cairo() {
  fetch cairo "$cairo_version"
  cd "$work/src/cairo"
  ./configure "${configure_flags[@]}" \
    --enable-win32 --enable-win32-font --enable-pdf --enable-png \
    --disable-xlib --disable-xlib-xrender --disable-xcb --disable-quartz \
    --disable-ft --disable-fc --disable-ps --disable-svg --disable-script \
    --disable-interpreter --disable-trace --disable-symbol-lookup \
    --disable-gobject --disable-valgrind --disable-gtk-doc
  make -j"$jobs" -C src
  make -C src install
  # Its static library needs what its .pc file does not name: GDI and
  # AlphaBlend for the Win32 surfaces, and libssp for the _FORTIFY_SOURCE
  # checks its configure turns on.
  sed -i 's/^Libs.private:.*/& -lgdi32 -lmsimg32 -lssp/' "$prefix/lib/pkgconfig/cairo.pc"
  grep -q '^Libs.private:.*-lmsimg32 -lssp' "$prefix/lib/pkgconfig/cairo.pc"
}
step cairo build_cairo

# --- wxWidgets: MSW, static, with the cairo graphics context -----------------
build_wx() {
  # Half an hour of compiling: a stopped build goes on with make where it
  # stopped, once configure had finished.
  if [ ! -e "$work/src/wxwidgets3.2/build-msw/.configured" ]; then
    fetch wxwidgets3.2 "$wx_version"
    # The cairo graphics context says "using namespace std" before
    # cairo-win32.h brings in the Windows headers, whose "byte" then clashes
    # with C++17's std::byte: the Windows headers go first.
    sed -i 's|^using namespace std;$|#ifdef __WXMSW__\n    #include "wx/msw/wrapwin.h"\n#endif\n\nusing namespace std;|' \
      "$work/src/wxwidgets3.2/src/generic/graphicc.cpp"
    grep -q '#include "wx/msw/wrapwin.h"' "$work/src/wxwidgets3.2/src/generic/graphicc.cpp"
    mkdir -p "$work/src/wxwidgets3.2/build-msw"
    configure_wx
    touch "$work/src/wxwidgets3.2/build-msw/.configured"
  fi
  cd "$work/src/wxwidgets3.2/build-msw"
  make -j"$jobs"
  make install
  link_cairo_statically
}
# wx on Windows reaches cairo through functions of its own with cairo's
# names, which load a cairo DLL at run time; with cairo linked in, every name
# is there twice. Those forwarders go, and wx's check that cairo can be
# loaded answers yes, as it is there.
link_cairo_statically() {
  local lib="$prefix/lib/libwx_mswu_core-3.2-$host.a"
  "$host-ar" t "$lib" | grep -x corelib_cairo.o >/dev/null
  "$host-ar" d "$lib" corelib_cairo.o
  printf 'bool wxCairoInit() { return true; }\n' >"$work/wxcairo_static.cpp"
  "$host-g++-posix" -O2 -c -o "$work/wxcairo_static.o" "$work/wxcairo_static.cpp"
  "$host-ar" rs "$lib" "$work/wxcairo_static.o"
}
configure_wx() {
  cd "$work/src/wxwidgets3.2/build-msw"
  # The cairo test links against the static libraries, which need their own
  # dependencies named.
  CAIRO_CFLAGS=$(pkg-config --cflags cairo) CAIRO_LIBS=$(pkg-config --static --libs cairo) \
  ../configure --host="$host" --prefix="$prefix" --with-msw --disable-shared \
    --with-zlib=sys --with-libpng=sys --with-expat=sys --without-libjpeg --without-libtiff \
    --with-regex=builtin --without-opengl --with-cairo \
    --enable-webview --enable-webviewie --disable-webviewedge \
    --disable-html --disable-htmlhelp --disable-aui --disable-xrc --disable-stc \
    --disable-richtext --disable-propgrid --disable-ribbon --disable-mediactrl
  # Without cairo, configure quietly builds no cairo graphics context, and
  # the PDF output would have nothing to draw with.
  grep -q '^#define wxUSE_CAIRO 1' lib/wx/include/*/wx/setup.h
}
step wx build_wx

# The logs stay with the prefix for whoever wonders how it was built.
rm -rf "$prefix/logs"
mv "$work/logs" "$prefix/logs"
rm -rf "$work"
{
  echo "zlib $zlib_version (libz-mingw-w64-dev)"
  echo "libpng1.6 $libpng_version"
  echo "expat $expat_version"
  echo "pixman $pixman_version"
  echo "cairo $cairo_version"
  echo "wxwidgets3.2 $wx_version"
  echo "googletest $googletest_version"
  echo "nlohmann-json3 $json_version"
  echo "$compiler_id"
} >"$prefix/VERSIONS"
touch "$prefix/.complete"
log "Windows dependencies built in $((SECONDS - started_all)) s: $prefix"
echo "$prefix"
