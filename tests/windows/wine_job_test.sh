#!/usr/bin/env bash
# One end-to-end case of the Windows build under Wine: the Linux simulator on a
# pseudo-terminal that Wine reaches as a COM port, the Windows cardctl.exe (or a Windows
# test program) on the other end. The job's log must hold the same GBK bytes as the Linux
# cardctl's log of the same job against the same simulator.
# The install case runs the installer, the installed cardctl.exe and the uninstaller; the
# window case the console's window (PICTURE keeps the screen during its read job).
# The console case runs cardctl.exe on a pseudo-terminal, which Wine makes a console.
#   wine_job_test.sh CASE     CASE: read, batch, write, timeouts, install, window or console
# Environment (set by CMake): WINE_RUN, CARDCTL_EXE, HOST_CARDSIM, HOST_CARDCTL, PROFILE,
# SERIAL_TIMEOUT_EXE, SETUP_EXE, WINDOW_TEST_EXE, PICTURE.
set -euo pipefail
case_name=$1
work=$(mktemp -d)
sim_pid=
user_folder=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work" "$user_folder"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Each case its own port, so that ctest may run them side by side.
declare -A port_of=([read]=COM5 [batch]=COM6 [write]=COM7 [timeouts]=COM8 [install]=COM11 [window]=COM9 [console]=COM10)
port=${port_of[$case_name]:?unknown case $case_name}
# The prefix scripts/wine-run.sh uses.
export WINEPREFIX=${WINEPREFIX:-${CARDDEMO_MINGW_CACHE:-$HOME/.cache/carddemo/mingw}/wine}
dosdevices=$WINEPREFIX/dosdevices
link="$dosdevices/${port,,}"

start_sim() {  # the simulator's options
  rm -f "$link"
  "$HOST_CARDSIM" --profile "$PROFILE" --link "$link" --swipe-ms 200 --write-reply-ms 50 "$@" \
    >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  for _ in $(seq 100); do [ -L "$link" ] && return; sleep 0.1; done
  fail "the simulator made no port"
}

stop_sim() {
  kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true; sim_pid=
}

# The same job through the Windows and the Linux cardctl against a fresh simulator each;
# $work/win.* and $work/linux.* hold their outputs, $work/sim-win.out what the simulator got.
# An argument @FILE names $work/FILE, as each of the two programs sees it.
run_both() {  # expected status, simulator options..., --, cardctl arguments...
  local expected=$1; shift
  local sim_options=()
  while [ "$1" != -- ]; do sim_options+=("$1"); shift; done
  shift
  local windows_arguments=("${@/#@/Z:$work/}") linux_arguments=("${@/#@/$work/}")
  start_sim "${sim_options[@]}"
  local status=0
  "$WINE_RUN" "$CARDCTL_EXE" "${windows_arguments[@]}" --port "$port" --log "Z:$work/win.log" \
    >"$work/win.out" 2>"$work/win.err" </dev/null || status=$?
  stop_sim
  cp "$work/sim.out" "$work/sim-win.out"
  [ "$status" = "$expected" ] || { cat "$work/win.err" >&2; fail "cardctl.exe exited $status, not $expected"; }
  start_sim "${sim_options[@]}"
  status=0
  "$HOST_CARDCTL" "${linux_arguments[@]}" --profile "$PROFILE" --port "$link" --log "$work/linux.log" \
    >"$work/linux.out" 2>"$work/linux.err" </dev/null || status=$?
  stop_sim
  [ "$status" = "$expected" ] || fail "the Linux cardctl exited $status, not $expected"
  [ -s "$work/win.log" ] || fail "cardctl.exe wrote no log"
  cmp "$work/win.log" "$work/linux.log" || {
    od -c "$work/win.log" | head -20 >&2; fail "the logs differ"
  }
}

written_cards() {
  grep -c '^cardsim: card written' "$work/sim-win.out" || true
}

case $case_name in
  read)
    run_both 0 -- read --tracks 23 --cards 2
    [ "$(wc -l <"$work/win.out")" = 3 ] || fail "not a header and two records: $(cat "$work/win.out")"
    # The records differ only in their time.
    diff <(cut -d, -f1,2,4- "$work/win.out") <(cut -d, -f1,2,4- "$work/linux.out") ||
      fail "the records differ"
    ;;
  batch)
    printf 'track2\r\n1111\r\n2222\r\n3333\r\n' >"$work/list.csv"
    run_both 1 --write-replies ok,fail,ok -- batch @list.csv --tracks 2
    [ "$(written_cards)" = 4 ] || fail "not four cards written (one refused and written again)"
    grep -q 'track 2 "2222" (4 bytes); answer fail' "$work/sim-win.out" || fail "no refused card"
    ;;
  write)
    run_both 0 -- write --tracks 2 --track2 "磁卡AB"
    grep -qF 'track 2 "\xb4\xc5\xbf\xa8AB" (6 bytes); answer ok' "$work/sim-win.out" ||
      fail "the device did not get b4 c5 bf a8 41 42: $(cat "$work/sim-win.out")"
    ;;
  timeouts)
    # One read of the Windows link per row: the simulator's options | what the program
    # prints after "after ". Track 2 of the card holds 0x11 and 0x13; a silent read ends
    # after the whole read's time-out, 64 * 1 + 500 ms, never sooner.
    echo '2=hex:3011311332' >"$work/cards"
    while IFS='|' read -r options expected; do
      # shellcheck disable=SC2086
      start_sim --cards "$work/cards" --swipe-ms 100 $options
      "$WINE_RUN" "$SERIAL_TIMEOUT_EXE" "$port" >"$work/read.out" || fail "$(cat "$work/read.out")"
      stop_sim
      tr -d '\r' <"$work/read.out" | grep -qE "^after $expected\$" ||
        fail "with $options, not \"$expected\": $(cat "$work/read.out")"
    done <<'ROWS'
--read-scenario split --read-pause-ms 50|[0-9]+ ms: 1b 73 30 11 31 13 32 1d 0d
--read-scenario split --read-pause-ms 250|[0-9]+ ms: 1b 73 30 11
--read-scenario silent|(5[6-9][0-9]|[6-9][0-9]{2}|1[0-9]{3}) ms:
ROWS
    ;;
  install)
    # Plain wine, without the build's library path: the installed folder must do alone.
    installed() { wine "$program/bin/cardctl.exe" "$@" >"$work/win.out" 2>"$work/win.err" </dev/null; }
    wine "$SETUP_EXE" /S >/dev/null 2>&1 </dev/null || fail "setup.exe /S failed"
    key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\carddemo'
    folder=$(wine reg query "$key" /v InstallLocation 2>/dev/null </dev/null | sed -n 's/.*REG_SZ *//p')
    program=$(winepath -u "${folder%$'\r'}" 2>/dev/null)
    menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/carddemo"
    [ -f "$program/bin/cardctl.exe" ] && [ -d "$menu" ] || fail "nothing installed: $folder"
    installed --version && grep -q '^cardctl ' "$work/win.out" || fail "$(cat "$work/win.err")"
    installed profile; grep -q '^Profile: .*share.*carddemo.*QXProduct.ini' "$work/win.out" ||
      fail "not the installed sample: $(head -1 "$work/win.out")"
    appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null </dev/null)
    user_folder=$(winepath -u "${appdata%$'\r'}" 2>/dev/null)/carddemo
    mkdir -p "$user_folder" && cp "$PROFILE" "$user_folder/"
    installed profile; grep -q '^Profile: .*Roaming.*carddemo.*QXProduct.ini' "$work/win.out" ||
      fail "the user's profile did not win: $(head -1 "$work/win.out")"
    start_sim
    installed read --tracks 23 --cards 1 --port "$port" || fail "$(cat "$work/win.err")"
    stop_sim
    [ "$(wc -l <"$work/win.out")" = 2 ] || fail "not a header and a record: $(cat "$work/win.out")"
    # The uninstaller works from a copy of itself and returns at once.
    wine "$program/Uninstall.exe" /S >/dev/null 2>&1 </dev/null
    for _ in $(seq 100); do [ -e "$program" ] || [ -e "$menu" ] || break; sleep 0.2; done
    [ ! -e "$program" ] && [ ! -e "$menu" ] && ! wine reg query "$key" >/dev/null 2>&1 </dev/null ||
      fail "left behind: $(ls "$program" "$menu" 2>&1)"
    [ -f "$user_folder/QXProduct.ini" ] || fail "the user's folder went with the program"
    ;;
  console)
    start_sim
    LANG=C.UTF-8 script -qfec "$(printf '%q ' "$WINE_RUN" "$CARDCTL_EXE" write --tracks 2 \
      --track2 磁卡AB --port "$port")" "$work/typescript" >/dev/null 2>&1 </dev/null ||
      fail "cardctl.exe on a console failed: $(cat "$work/typescript")"
    grep -q '磁卡AB,ok' "$work/typescript" || fail "garbled: $(cat "$work/typescript")"
    ;;
  window)
    sed 's/^SysDelay=.*/SysDelay=50/' "$PROFILE" >"$work/QXProduct.ini"
    cp "${PROFILE%/samples/*}/res/console/dogmax.ssk" "$work/"
    start_sim --read-scenario good,good,silent --transcript "$work/transcript"
    "$WINE_RUN" "$WINDOW_TEST_EXE" "Z:$work/QXProduct.ini" "$port" "Z:$PICTURE" ||
      fail "the window's jobs"
    stop_sim
    grep -q '<- 1b 61$' "$work/transcript" || fail "no reset after Stop"
    grep -qF 'track 2 "\xb4\xc5\xbf\xa8AB" (6 bytes); answer ok' "$work/sim.out" ||
      fail "the device did not get b4 c5 bf a8 41 42: $(cat "$work/sim.out")"
    ;;
esac
echo "ok: $case_name"
