#!/usr/bin/env bash
# Cross-builds the console for 64-bit Windows with Debian's mingw-w64 and lays out a folder
# that runs on a Windows PC without Qt, plus a zip of it.
#   scripts/build-windows.sh          toolchain (once), build-windows/, dist/, the zip and
#                                     the installer (NSIS)
#   scripts/build-windows.sh --test   that, then the Windows tests under Wine and the
#                                     installer tried; exits with their verdict
#   scripts/build-windows.sh --toolchain   only the packages, the toolchain and the Wine
#                                     prefix (CI builds them while the Linux steps run)
# No Windows Qt is packaged, so Qt 6.4.2 qtbase is built from Debian's own source package
# with the host tools of Debian's Qt (same version), and GoogleTest from /usr/src/googletest.
# hidapi (for the HID link) likewise from Debian's source. All go to a cache outside the
# checkout, reused when present:
#   ${CARDDEMO_MINGW_CACHE:-$HOME/.cache/carddemo/mingw}/{qt6,gtest,hidapi}
# About 20 minutes the first time on two cores, seconds after that.
set -euo pipefail
cd "$(dirname "$0")/.."
run_tests=false
toolchain_only=false
case "${1:-}" in
  "") ;;
  --test) run_tests=true ;;
  --toolchain) toolchain_only=true ;;
  *) echo "usage: scripts/build-windows.sh [--test | --toolchain]" >&2; exit 2 ;;
esac

cache=${CARDDEMO_MINGW_CACHE:-$HOME/.cache/carddemo/mingw}
qt_version=6.4.2
jobs=$(nproc)
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

install_packages() {
  # wine runs 64-bit programs without wine32; the host Qt gives moc, rcc and uic.
  local packages=(g++-mingw-w64-x86-64-posix wine wine64 qt6-base-dev qt6-base-dev-tools
                  ninja-build cmake libgtest-dev qt6-translations-l10n qt6-l10n-tools dpkg-dev zip
                  xvfb xauth fonts-wqy-microhei fonts-noto-mono nsis)
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# apt-get source with a source list of our own for the archive the machine already uses,
# so the machine's apt sources stay as they are: `debian_source WORK PACKAGE [FALLBACK]`
# unpacks the source package PACKAGE (or FALLBACK when it is not there) into WORK.
debian_source() {
  local work=$1 apt_dir=$1/apt
  mkdir -p "$apt_dir/sources" "$apt_dir/lists/partial"
  cat >"$apt_dir/sources/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources"
                 -o "Dir::State::Lists=$apt_dir/lists")
  apt-get "${options[@]}" update -qq
  (cd "$work" && apt-get "${options[@]}" source -qq "$2" 2>/dev/null ||
     apt-get "${options[@]}" source -qq "${3:-$2}")
}

fetch_qt_source() {
  [ -d "$1/qt6-base-$qt_version+dfsg" ] && return
  debian_source "$1" "qt6-base=$qt_version+dfsg-*" qt6-base
}

# What the cache holds; a cache built by another recipe is built again.
toolchain_recipe="qtbase $qt_version with jpeg; googletest"

build_toolchain() {
  [ "$(cat "$cache/toolchain.done" 2>/dev/null)" = "$toolchain_recipe" ] && return
  rm -rf "$cache/qt6" "$cache/gtest"
  local work=$cache/work
  mkdir -p "$work"
  fetch_qt_source "$work"
  local toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
  # tabletevent off: Debian's source drops the wintab header the plugin's tablet support
  # needs. direct2d stays on: 6.4 compiles the DirectWrite font database only with it.
  # ICU is never found for Windows, which is why base/gbk uses code page 936 there. JPEG
  # (bundled) for the About box's pictures.
  cmake -S "$work/qt6-base-$qt_version+dfsg" -B "$work/build-qtbase" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCARDDEMO_TOOLCHAIN_BARE=ON "${launchers[@]}" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$cache/qt6" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF >/dev/null
  cmake --build "$work/build-qtbase" --parallel "$jobs"
  cmake --install "$work/build-qtbase" >/dev/null
  cmake -S /usr/src/googletest -B "$work/build-gtest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCARDDEMO_TOOLCHAIN_BARE=ON \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache/gtest" >/dev/null
  cmake --build "$work/build-gtest" --parallel "$jobs"
  cmake --install "$work/build-gtest" >/dev/null
  rm -rf "$work"
  echo "$toolchain_recipe" >"$cache/toolchain.done"
}

# hidapi for the HID link, from Debian's source package as Qt is, static so the Windows
# folder needs no DLL of it (its Windows backend loads hid.dll and cfgmgr32.dll itself).
# A folder and a marker of its own: building it never touches the Qt cache.
hidapi_recipe="hidapi 0.13 static"

build_hidapi() {
  [ "$(cat "$cache/hidapi.done" 2>/dev/null)" = "$hidapi_recipe" ] && return
  rm -rf "$cache/hidapi"
  local work=$cache/work-hidapi
  rm -rf "$work"
  mkdir -p "$work"
  debian_source "$work" hidapi
  local sources=("$work"/hidapi-*/)
  cmake -S "${sources[0]}" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCARDDEMO_TOOLCHAIN_BARE=ON \
    "${launchers[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DHIDAPI_BUILD_HIDTEST=OFF -DCMAKE_INSTALL_PREFIX="$cache/hidapi" >/dev/null
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"
  echo "$hidapi_recipe" >"$cache/hidapi.done"
}

# The project with the programs beside their sample profile and skin, as on Linux.
build_project() {
  CARDDEMO_MINGW_CACHE=$cache cmake --preset windows-cross -DCARD_HOST_BIN="$PWD/build/bin" \
    "${launchers[@]}" >/dev/null
  cmake --build build-windows --parallel "$jobs"
}

# What runs on a PC without Qt: the programs, their files, the Qt and mingw runtime
# libraries, the platform and style plugins and Qt's Chinese texts (windeployqt is not
# part of qtbase, so the folder is laid out here).
lay_out_dist() {
  local dist=build-windows/dist mingw_runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
  rm -rf "$dist"
  mkdir -p "$dist/platforms" "$dist/styles" "$dist/translations"
  cp build-windows/bin/carddemo.exe build-windows/bin/cardctl.exe \
     samples/QXProduct.ini res/console/dogmax.ssk "$dist/"
  cp "$cache"/qt6/bin/Qt6{Core,Gui,Widgets}.dll "$dist/"
  cp "$cache/qt6/plugins/platforms/qwindows.dll" "$dist/platforms/"
  cp "$cache"/qt6/plugins/styles/*.dll "$dist/styles/"
  cp "$mingw_runtime/libstdc++-6.dll" "$mingw_runtime/libgcc_s_seh-1.dll" \
     /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$dist/"
  cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$dist/translations/"
  x86_64-w64-mingw32-strip "$dist"/*.exe
  local version
  version=$(sed -n 's/^project(CardConsole VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  local zip=build-windows/carddemo-$version-win64.zip
  rm -f "$zip"
  (cd "$dist" && zip -qr "../$(basename "$zip")" .)
  echo "Windows folder: build-windows/dist; zipped: $zip"
  setup=build-windows/carddemo-$version-win64-setup.exe
  makensis -V2 -DVERSION="$version" -DDIST="$PWD/$dist" -DOUTFILE="$PWD/$setup" \
    -DSIZE_KB="$(du -sk "$dist" | cut -f1)" packaging/windows/carddemo.nsi >/dev/null
  echo "Installer: $setup"
}

# A Wine prefix of the cache's, and a wineserver that outlives the tests: Wine's background
# services would otherwise keep the first caller's output open, and ctest would wait for
# ever. Started with its output away from any pipe.
export WINEPREFIX=${WINEPREFIX:-$cache/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
make_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return
  wine wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
}

start_wine() {
  make_wine_prefix
  # The system-menu test draws real windows, and Wine's desktop takes the display its
  # wineserver starts with: a display of our own first, unless one is there.
  if [ -z "${DISPLAY:-}" ]; then
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null' EXIT
    export DISPLAY=:97
    sleep 1
  fi
  # Fails when a server already runs for the prefix, which is as good.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd /c ver >/dev/null 2>&1 </dev/null
}

launchers=()
command -v ccache >/dev/null 2>&1 &&
  launchers=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
install_packages
build_toolchain
build_hidapi
if $toolchain_only; then
  make_wine_prefix
  exit 0
fi
if $run_tests; then
  # The tests run the Windows programs against the Linux simulator, and compare the Linux
  # cardctl's log with the Windows one.
  scripts/install-deps.sh
  scripts/build.sh --target cardsim cardctl
fi
build_project
lay_out_dist
$run_tests || exit 0
start_wine
status=0
ctest --test-dir build-windows --output-on-failure --timeout 300 -j "$jobs" || status=$?
# After the tests: while it runs, the user's folder holds a profile that no test expects.
scripts/check-windows-installer.sh "$setup" || status=1
exit "$status"
