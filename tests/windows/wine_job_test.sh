#!/usr/bin/env bash
# One end-to-end case of the Windows build under Wine: the Linux simulator on a
# pseudo-terminal that Wine reaches as a COM port, the Windows cardctl.exe (or a Windows
# test program) on the other end. The job's log must hold the same GBK bytes as the Linux
# cardctl's log of the same job against the same simulator.
#   wine_job_test.sh CASE     CASE: read, batch, write, timeouts, hidports or window
# Environment (set by CMake): WINE_RUN, CARDCTL_EXE, HOST_CARDSIM, HOST_CARDCTL, PROFILE,
# SERIAL_TIMEOUT_EXE, USB_PROFILE, WINDOW_TEST_EXE, PICTURE (the screen during the window's
# read job).
set -euo pipefail
case_name=$1
# Wine's desktop speaks English; the logs compared are the Chinese ones of a bare Linux.
export CARDDEMO_LANG=zh
work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Each case its own port, so that ctest may run them side by side.
declare -A port_of=([read]=COM5 [batch]=COM6 [write]=COM7 [timeouts]=COM8 [hidports]=COM10
                    [window]=COM9)
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
    diff <(cut -d, -f1-3,5- "$work/win.out") <(cut -d, -f1-3,5- "$work/linux.out") ||
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
  hidports)
    # hidapi's Windows backend finds no encoder under Wine: an empty list, no error.
    status=0
    "$WINE_RUN" "$CARDCTL_EXE" ports --profile "Z:$USB_PROFILE" >"$work/win.out" 2>"$work/win.err" \
      </dev/null || status=$?
    [ "$status" = 0 ] || fail "cardctl.exe ports exited $status: $(cat "$work/win.err")"
    [ ! -s "$work/win.out" ] || fail "ports listed on stdout: $(cat "$work/win.out")"
    grep -q "no USB encoder 0801:0003 is plugged in" "$work/win.err" ||
      fail "no word that none is plugged in: $(cat "$work/win.err")"
    ;;
  timeouts)
    start_sim
    "$WINE_RUN" "$SERIAL_TIMEOUT_EXE" "$port"
    ;;
  window)
    sed 's/^SysDelay=.*/SysDelay=50/' "$PROFILE" >"$work/QXProduct.ini"
    cp "${PROFILE%/samples/*}/res/console/dogmax.ssk" "$work/"
    start_sim --read-scenario good,good,silent --transcript "$work/transcript"
    "$WINE_RUN" "$WINDOW_TEST_EXE" "Z:$work/QXProduct.ini" "$port" "Z:$PICTURE" || fail "the window"
    stop_sim
    grep -q '<- 1b 61$' "$work/transcript" || fail "no reset after Stop"
    grep -qF 'track 2 "\xb4\xc5\xbf\xa8AB" (6 bytes); answer ok' "$work/sim.out" || fail "not 磁卡AB"
    ;;
esac
echo "ok: $case_name"
