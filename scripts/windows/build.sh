#!/usr/bin/env bash
# Cross-builds Vitachron for Windows x64 in build-windows/ and, with --test,
# runs its tests under Wine through ctest:
#   scripts/windows/build.sh [--core] [--test] [--package] [CMAKE_ARGS...]
#     --core     only what needs no wxWidgets: vitachron_core, vitachron-cli
#                and core_tests
#     --test     then run the tests (under Wine, in the project's own prefix)
#     --package  then make the installer and the zip (cpack, NSIS) in
#                build-windows/packages/ and print their names
# The dependencies come from scripts/windows/build-deps.sh (built once and
# cached), or from the prefix VITACHRON_WINDOWS_PREFIX names. Where a Linux
# build is there (build/bin/vitachron-cli, or VITACHRON_LINUX_CLI), the tests
# compare the files both write.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-windows"

core=0
run_tests=0
package=0
cmake_args=()
for arg in "$@"; do
  case "$arg" in
    --core) core=1 ;;
    --test) run_tests=1 ;;
    --package) package=1 ;;
    *) cmake_args+=("$arg") ;;
  esac
done
if [ $package -eq 1 ] && [ $core -eq 1 ]; then
  echo "build.sh: --package needs the whole program, not --core" >&2
  exit 2
fi

"$root/scripts/windows/setup-debian.sh"
prefix=${VITACHRON_WINDOWS_PREFIX:-$("$root/scripts/windows/build-deps.sh")}

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
targets=()
# Said each time: the build folder remembers the last run's choice.
if [ $core -eq 1 ]; then
  cmake_args=(-DVITACHRON_BUILD_UI=OFF "${cmake_args[@]}")
  targets=(--target vitachron_core vitachron-cli core_tests)
else
  cmake_args=(-DVITACHRON_BUILD_UI=ON "${cmake_args[@]}")
fi

linux_cli=${VITACHRON_LINUX_CLI:-$root/build/bin/vitachron-cli}
if [ -x "$linux_cli" ]; then
  cmake_args=(-DVITACHRON_LINUX_CLI="$linux_cli" "${cmake_args[@]}")
fi

# The benchmarks measure the Linux build; the Windows one has none.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVITACHRON_BUILD_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DVITACHRON_WINDOWS_PREFIX="$prefix" "${launcher[@]}" "${cmake_args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" "${targets[@]}"

if [ $run_tests -eq 1 ]; then
  # Programs left unbuilt (--core) show up as placeholders only. The window
  # and link tests need a display: a private one.
  # Wine now and then fails to start a program at all (it ends within
  # milliseconds and prints nothing): a test that fails is run once more,
  # and one that fails twice fails.
  tests=(-E '_NOT_BUILT$' --repeat until-pass:2)
  xvfb-run -a -s "-screen 0 1600x1200x24" \
    ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)" "${tests[@]}"
fi

if [ $package -eq 1 ]; then
  packages="$build/packages"
  rm -rf "$packages"
  started=$SECONDS
  cpack --config "$build/CPackConfig.cmake" -B "$packages" >&2
  rm -rf "$packages/_CPack_Packages"
  echo "Packaged in $((SECONDS - started)) s:"
  ls "$packages"/vitachron-setup-*.exe "$packages"/vitachron-*-win64.zip
fi
