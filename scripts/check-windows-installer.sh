#!/usr/bin/env bash
# Tries the Windows installer under Wine as an operator would run it, silently: the
# installed cardctl.exe (with no library path of the build's) starts, prefers a profile in
# the user's folder to the installed sample, reads a card whose track 2 holds 0x11 and 0x13
# (XON and XOFF, which flow control would take) from the Linux simulator on COM11, and
# writes Chinese on a console (a pseudo-terminal, which Wine makes a console) that shows it
# right; the uninstaller takes the program folder, its Start-menu folder and its Uninstall
# key, and leaves the user's folder. scripts/build-windows.sh --test runs it after the
# tests, with the wineserver it started.
#   scripts/check-windows-installer.sh SETUP.EXE
set -euo pipefail
cd "$(dirname "$0")/.."
setup=$1
work=$(mktemp -d)
user_folder=
sim=
# The user's folder goes too: the tests look for no profile of an operator there.
trap 'kill $sim 2>/dev/null; rm -rf "$work" "$user_folder"' EXIT
fail() { echo "installer check failed: $*" >&2; exit 1; }
installed() { wine "$program/bin/cardctl.exe" "$@" >"$work/out" 2>"$work/err" </dev/null; }
first_line() { tr -d '\r' <"$work/out" | head -1; }

wine "$setup" /S >/dev/null 2>&1 </dev/null || fail "setup.exe /S"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\carddemo'
folder=$(wine reg query "$key" /v InstallLocation 2>/dev/null </dev/null | sed -n 's/.*REG_SZ *//p')
program=$(winepath -u "${folder%$'\r'}" 2>/dev/null)
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/carddemo"
[ -f "$program/bin/cardctl.exe" ] && [ -d "$menu" ] || fail "nothing installed (\"$folder\")"
installed --version || fail "cardctl.exe --version: $(cat "$work/err")"
echo "Installed: $(first_line) in $folder"
installed profile
[[ "$(first_line)" == "Profile: "*share*carddemo*QXProduct.ini ]] || fail "not the sample: $(first_line)"

appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null </dev/null)
user_folder=$(winepath -u "${appdata%$'\r'}" 2>/dev/null)/carddemo
mkdir -p "$user_folder"
cp samples/QXProduct.ini "$user_folder/"
installed profile
[[ "$(first_line)" == "Profile: "*Roaming*carddemo*QXProduct.ini ]] || fail "not the user's: $(first_line)"

link=$WINEPREFIX/dosdevices/com11
rm -f "$link"
echo '2=hex:3011311332;3=12345' >"$work/cards"
build/bin/cardsim --profile samples/QXProduct.ini --link "$link" --cards "$work/cards" \
  --swipe-ms 200 --write-reply-ms 50 >/dev/null 2>&1 &
sim=$!
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.1; done
LANG=C.UTF-8 script -qfec "$(printf '%q ' wine "$program/bin/cardctl.exe" write --tracks 2 \
  --track2 磁卡AB --port COM11)" "$work/console" >/dev/null 2>&1 </dev/null ||
  fail "a write on a console: $(cat "$work/console")"
grep -q '磁卡AB,ok' "$work/console" || fail "garbled on a console: $(cat "$work/console")"
# After the write: the read job's last read command may still be answered later.
installed read --tracks 23 --cards 1 --port COM11 || fail "the read job: $(cat "$work/err")"
grep -q $',0\x111\x132,ok,12345,ok' "$work/out" || fail "not the card read: $(cat -v "$work/out")"

# The uninstaller works from a copy of itself and returns at once.
wine "$program/Uninstall.exe" /S >/dev/null 2>&1 </dev/null
for _ in $(seq 100); do [ -e "$program" ] || [ -e "$menu" ] || break; sleep 0.2; done
[ ! -e "$program" ] && [ ! -e "$menu" ] || fail "left behind: $(ls -d "$program" "$menu" 2>&1)"
! wine reg query "$key" >/dev/null 2>&1 </dev/null || fail "the Uninstall key stayed"
[ -f "$user_folder/QXProduct.ini" ] || fail "the user's folder went with the program"
echo "Installer check passed"
