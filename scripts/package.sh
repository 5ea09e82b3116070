#!/usr/bin/env bash
# Builds the Debian package into build/ from a Release build in its own tree,
# build-package/ (only the packaged programs, no tests).
#   scripts/package.sh           build/carddemo_<version>_<arch>.deb
#   scripts/package.sh --check   that, then checks the package's file list, installs into
#                                a temporary folder and tries the installed programs
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
case "${1:-}" in
  "") ;;
  --check) check=1 ;;
  *) echo "usage: scripts/package.sh [--check]" >&2; exit 2 ;;
esac

scripts/install-deps.sh package

tree=build-package
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# cpack would otherwise build every target, the tests included, before it installs.
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON --no-warn-unused-cli "${launcher[@]}" >/dev/null
mapfile -t programs < "$tree/packaging/installed-programs.txt"
cmake --build "$tree" --parallel "$(nproc)" --target "${programs[@]}"

rm -f "$tree"/*.deb
(cd "$tree" && cpack >/dev/null)
debs=("$tree"/*.deb)
mkdir -p build
cp "${debs[0]}" build/
deb="build/$(basename "${debs[0]}")"
echo "Package: $deb"
[ "$check" -eq 1 ] || exit 0

failures=0
fail() {
  echo "check failed: $*" >&2
  failures=$((failures + 1))
}

echo "Checking the package's file list"
listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(usr/share/carddemo/QXProduct.ini usr/share/carddemo/dogmax.ssk
          usr/share/applications/carddemo.desktop
          usr/share/metainfo/org.example.carddemo.metainfo.xml
          usr/lib/udev/rules.d/70-carddemo-encoder.rules)
# The console and the simulator always; whatever else the build installs (cardctl) too.
for program in carddemo cardsim "${programs[@]}"; do expected+=("usr/bin/$program"); done
for size in 16 32 48; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/carddemo.png"); done
# cardctl brings its man page and bash completion, both made from its option table.
man_page=usr/share/man/man1/cardctl.1.gz
if [[ " ${programs[*]} " == *" cardctl "* ]]; then
  expected+=("$man_page" usr/share/bash-completion/completions/cardctl)
fi
for path in "${expected[@]}"; do
  grep -qx "./$path" <<<"$listing" || fail "$deb does not hold $path"
done

# The rule only works if udev loads it after install: the post-install step must reload.
dpkg-deb -I "$deb" postinst 2>/dev/null | grep -q "udevadm control --reload-rules" ||
  fail "$deb has no post-install step that reloads the udev rules"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
echo "Installing into $stage"
DESTDIR="$stage" cmake --install "$tree" --prefix /usr >/dev/null
usr="$stage/usr"

desktop-file-validate "$usr/share/applications/carddemo.desktop" ||
  fail "the desktop entry does not validate"
appstreamcli validate --no-net "$usr/share/metainfo/org.example.carddemo.metainfo.xml" >/dev/null ||
  fail "the metainfo does not validate (appstreamcli validate --no-net)"

rule="$stage/usr/lib/udev/rules.d/70-carddemo-encoder.rules"
if udevadm verify --help >/dev/null 2>&1; then
  echo "Verifying the encoder's udev rule"
  udevadm verify --resolve-names=never "$rule" >/dev/null || fail "udevadm verify refuses $rule"
else
  # udev before 253 has no verify: at least both devices and the grant must be there.
  for product in 0003 0002; do
    grep -Eq "^SUBSYSTEM==\"hidraw\".*ATTRS\{idVendor\}==\"0801\", ATTRS\{idProduct\}==\"$product\", TAG\+=\"uaccess\"$" \
      "$rule" || fail "$rule grants no access to 0801:$product"
  done
fi

for program in cardsim cardctl; do
  [ -x "$usr/bin/$program" ] || continue
  echo "Trying $program --help"
  "$usr/bin/$program" --help >/dev/null || fail "$program --help ended with status $?"
done

if [ -f "$stage/$man_page" ] && command -v man >/dev/null 2>&1; then
  echo "Rendering the man page"
  rendered=$(MANWIDTH=80 man -l "$stage/$man_page" 2>&1) || true
  grep -q -- "--max-tries N" <<<"$rendered" || fail "man -l does not render $man_page: $rendered"
fi

# The console is started the way a desktop starts it: nothing beside the executable and
# an empty config folder, so the shared files are all it can find. It runs traced, so the
# check sees which profile and skin it opened. A fresh machine under ptrace needs seconds
# to list its serial ports, so the check waits for both reads (at most 60 s) rather than
# a fixed time; the console ending on its own before then is a failure.
echo "Starting the installed console offscreen"
console_log="$stage/carddemo.log"
trace="$stage/carddemo.trace"
mkdir -p "$stage/config"
: >"$trace"
XDG_CONFIG_HOME="$stage/config" QT_QPA_PLATFORM=offscreen \
  strace -f -qq --seccomp-bpf -e trace=openat -o "$trace" timeout 60 "$usr/bin/carddemo" \
  >"$console_log" 2>&1 &
tracer=$!
# The programs see their own folder through /proc/self/exe, with every link resolved.
shared=$(realpath "$usr/share/carddemo")
unread() {
  local file
  for file in QXProduct.ini dogmax.ssk; do
    grep -F "\"$shared/$file\"" "$trace" | grep -q ') = [0-9]' || echo "$file"
  done
}
while [ -n "$(unread)" ] && kill -0 "$tracer" 2>/dev/null; do sleep 0.2; done
if kill -0 "$tracer" 2>/dev/null; then
  pkill -TERM -P "$tracer" || true
  wait "$tracer" || true
else
  status=0
  wait "$tracer" || status=$?
  fail "the installed console ended by itself (status $status): $(cat "$console_log")"
fi
for file in $(unread); do fail "the installed console did not read $shared/$file"; done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "Package checks passed"
