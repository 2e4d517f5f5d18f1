#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_desktop.sh. A hand-over that makes the running window show a
# box (a folder, while the default file type's mask is invalid), with the
# sender killed while the box is up: the window answers the sender before
# the box, lives on after OK, and still takes files from later starts.
set -u
# wait_until SECONDS COMMAND... comes from with_desktop.sh.
exe="$1"
work=$(mktemp -d)
trap 'kill "$first" 2>/dev/null; rm -rf "$work"' EXIT
home="$LINKMINT_HOME"
printf '[Options]\r\nDefaultType=1\r\n\r\n[File Types]\r\nBroken|[a-\r\n' >"$home/Linkmint.ini"
mkdir -p "$work/folder"
printf 'inside' >"$work/folder/inside.txt"
printf 'later' >"$work/later.txt"
log="$home/LinkmintDebug.log"

# The mapped top-level windows of process $1 that are more than Qt's 1x1
# group leader: the main window, and the box while it is up.
windows_of() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" --class linkmint 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -gt 1 ] 2>/dev/null &&
      echo "$w"
  done
}
count_windows() { windows_of "$1" | wc -l; }

"$exe" /debug &
first=$!
has_windows() { [ "$(count_windows "$1")" -ge "$2" ]; }
at_most_windows() { [ "$(count_windows "$1")" -le "$2" ]; }
wait_until 30 has_windows "$first" 1 ||
  { echo "no window"; exit 1; }
main=$(windows_of "$first" | head -n 1)

"$exe" "$work/folder" &
second=$!
if ! wait_until 30 has_windows "$first" 2; then
  echo "the box did not appear"; exit 1
fi
# The sender goes away while the box is up, as after a Ctrl+C (a background
# job of a script ignores SIGINT, so it gets SIGKILL).
kill -KILL "$second" 2>/dev/null
wait "$second"
echo "sender ended with status $? (0: it had its answer before the box)"
box=$(windows_of "$first" | grep -v "^$main\$" | head -n 1)
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key --window "$box" Return
wait_until 10 at_most_windows "$first" 1 ||
  { echo "the box did not close"; exit 1; }
sleep 0.5
if ! kill -0 "$first" 2>/dev/null; then
  wait "$first"; echo "the running window died (status $?)"; exit 1
fi
# It still receives: a later start hands a file over and it is hashed.
timeout 60 "$exe" "$work/later.txt" || { echo "the later start was not taken"; exit 1; }
wait_until 60 grep -q "later.txt" "$log" || { echo "the later file was not hashed"; exit 1; }
echo "the window answered, showed its box and lives on"
