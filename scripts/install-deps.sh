#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need; skips what is
# there. Runs apt-get as root, through sudo otherwise.
#   scripts/install-deps.sh            what building, testing and the demo need
#   scripts/install-deps.sh package    that, and the tools that make and check the .deb
#   scripts/install-deps.sh fuzz       that, and clang with its libFuzzer and sanitizer
#                                      runtimes (for scripts/fuzz.sh)
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev qt6-serialport-dev libgtest-dev libgmock-dev
          libgl-dev fonts-wqy-microhei qt6-translations-l10n qt6-l10n-tools xvfb xauth)
# dpkg-shlibdeps (dpkg-dev, which asks `file` which files are programs) finds the
# package's library dependencies; the validators check the desktop entry and metainfo;
# strace shows which files the installed console reads; man renders the installed man page.
package_tools=(dpkg-dev file desktop-file-utils appstream strace man-db)
# The runtimes are only recommended by clang, and recommendations are not installed here.
fuzz_tools=(clang libclang-rt-14-dev)

for group in "$@"; do
  case "$group" in
    package) packages+=("${package_tools[@]}") ;;
    fuzz) packages+=("${fuzz_tools[@]}") ;;
    *) echo "install-deps.sh: unknown group '$group' (known: package, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages (${missing[*]}) and no apt-get to install them." >&2
  exit 1
fi
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
