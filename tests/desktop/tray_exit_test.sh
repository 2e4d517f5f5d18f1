#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_desktop.sh --tray. With MinimizeToTray on and the window hidden
# in the notification area, a close ends the process: the one the completion
# action CopyToClip&Exit asks for (as "Exit when done" does), and a SIGTERM.
# A process left behind would take every later start's files.
set -u
# wait_until SECONDS COMMAND... comes from with_desktop.sh.
exe="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# The main window of process $1, once it is mapped.
main_window() {
  local w
  for _ in $(seq 200); do
    w=$(xdotool search --onlyvisible --pid "$1" --class linkmint 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.05
  done
  return 1
}
# Hidden in the notification area, not only iconified: the window manager
# keeps no state for it.
in_tray() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsUnMapped' &&
    ! xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state'
}
has_line() { grep -q "^$2"$'\r'"\$" "$1" 2>/dev/null; }

# run NAME INI_OPTIONS ENDING: ENDING is "self" (the program closes itself
# when the file is hashed) or "signal" (SIGTERM once it is in the tray).
run() {
  local name="$1" options="$2" ending="$3" size=512
  for attempt in 1 2 3 4; do
    local home="$work/$name-$attempt" log pid w
    mkdir -p "$home"
    log="$home/LinkmintDebug.log"
    printf '[Options]\r\nMinimizeToTray=1\r\n%s' "$options" >"$home/Linkmint.ini"
    truncate -s "${size}M" "$work/big.bin"
    LINKMINT_HOME="$home" "$exe" /debug "$work/big.bin" >"$home/out.txt" 2>&1 &
    pid=$!
    if ! w=$(main_window "$pid"); then
      echo "$name: no window"; kill "$pid"; return 1
    fi
    # Once hashing has begun the settings have been read: minimized earlier,
    # the window would not know it goes to the tray, and a signal before the
    # settings are read ends the program without its close sequence.
    if ! wait_until 120 has_line "$log" "Opening file worked."; then
      echo "$name: hashing did not start"; kill "$pid"; return 1
    fi
    xdotool windowminimize "$w"
    if ! wait_until 20 in_tray "$w"; then
      echo "$name: the window did not go to the tray"; kill "$pid"; return 1
    fi
    if has_line "$log" "Exited file reading loop."; then
      # Hashed before it reached the tray: try again with more to hash.
      kill "$pid"; wait "$pid" 2>/dev/null; size=$((size * 4)); continue
    fi
    [ "$ending" = signal ] && kill -TERM "$pid"
    if ! wait_until 300 has_line "$log" "Close complete."; then
      echo "$name: the close sequence did not run"; kill "$pid"
      wait "$pid"; echo "exit status $?, output:"; cat "$home/out.txt"
      echo "debug log's end:"; tail -n 20 "$log"; return 1
    fi
    if ! wait_until 10 sh -c "! kill -0 $pid 2>/dev/null"; then
      echo "$name: the process stayed after \"Close complete.\""; kill -9 "$pid"; return 1
    fi
    wait "$pid"; local status=$?
    if [ "$status" != 0 ]; then
      echo "$name: exit status $status"; cat "$home/out.txt"; return 1
    fi
    grep -q 'MinimizeToTray=1' "$home/Linkmint.ini" || { echo "$name: settings not saved"; return 1; }
    echo "$name: ended after its close sequence"
    return 0
  done
  echo "$name: the file was always hashed before the window reached the tray"
  return 1
}

run copy-and-exit $'OnCompletion=CopyToClip&Exit\r\n' self || fail=1
run signal $'OnCompletion=GoIdle\r\n' signal || fail=1
exit $fail
