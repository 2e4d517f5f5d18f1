#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_weston.sh: linkmint on a Wayland desktop without an X server.
# It starts natively (no QT_QPA_PLATFORM, only WAYLAND_DISPLAY), its window
# carries the desktop file name as app id and the progress in its title, the
# dock gets the progress over the session bus, a later start from another
# folder hands its relative paths over; without any display it says so in
# one line, and --help prints the usage.
#   wayland_session_test.sh LINKMINT SCREENSHOT_DIR
set -u
exe="$1"
shots="$2"
work=$(mktemp -d)
first=""
monitor=""
trap 'kill $first $monitor 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
home="$LINKMINT_HOME"
log="$home/LinkmintDebug.log"

# Without a display: one line and status 1, Qt never gets to abort.
cd "$work" || exit 1
env -u WAYLAND_DISPLAY -u DISPLAY -u QT_QPA_PLATFORM "$exe" file.txt >out.txt 2>err.txt
status=$?
[ "$status" = 1 ] || fail "no display: status $status"
[ "$(wc -l <err.txt)" = 1 ] && grep -q "^linkmint: no display" err.txt ||
  { cat err.txt; fail "no display: not one clear line"; }
# A display that cannot be opened: the same, naming it.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-none "$exe" >out.txt 2>err.txt
status=$?
[ "$status" = 1 ] || fail "unreachable display: status $status"
[ "$(wc -l <err.txt)" = 1 ] && grep -q "WAYLAND_DISPLAY=wayland-none" err.txt ||
  { cat err.txt; fail "unreachable display: not one clear line"; }
# --help prints the usage, with no display needed.
env -u WAYLAND_DISPLAY -u DISPLAY "$exe" --help >out.txt 2>err.txt || fail "--help failed"
grep -q "^Usage: linkmint" out.txt && [ ! -s err.txt ] || fail "--help printed no usage"
echo "without a display: one line; --help: the usage"

# The dock's view of the session bus.
dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" \
  >"$work/bus.log" 2>&1 &
monitor=$!
wait_until 10 grep -q "NameAcquired\|member=" "$work/bus.log" || sleep 1

# A file of many chunks, so that the title steps through percentages and
# the hashing outlasts the dock's tenth of a second between updates even on
# a fast machine (sparse: nothing is written, the reads are quick all the
# same).
mkdir -p "$work/here" "$work/elsewhere"
truncate -s 400000000 "$work/here/big.bin"
printf 'later' >"$work/elsewhere/later.txt"
printf 'switch' >"$work/here/--help"
cd "$work/here" || exit 1
WAYLAND_DEBUG=client "$exe" /debug big.bin 2>"$work/wayland.log" &
first=$!
wait_until 60 grep -q 'Opening file ".*big.bin"' "$log" 2>/dev/null || fail "nothing hashed"
last_title_idle() {
  grep -o 'set_title("[^"]*")' "$work/wayland.log" | tail -n 1 | grep -q '"Linkmint (idle)"'
}
wait_until 60 grep -q "Exited file reading loop" "$log" || fail "the file was not finished"
wait_until 10 last_title_idle || fail "no idle title at the end"
grep -q 'set_app_id("org.linkmint.Linkmint")' "$work/wayland.log" || fail "wrong app id"
titles=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("[^"]*")' "$work/wayland.log" | sed 's/.*set_title("\(.*\)")/\1/' | uniq)
echo "$titles"
echo "$titles" | grep -qx "0%; 1 to go - Linkmint" || fail "no 0% title"
echo "$titles" | grep -qx "100%; 1 to go - Linkmint" || fail "no 100% title"
[ "$(echo "$titles" | head -n 1)" = "Linkmint (idle)" ] || fail "the first title is not the idle one"
echo "native Wayland window: app id and progress titles"

# The launcher entry's progress: visible with the count while hashing, gone
# at the end; every signal names the desktop entry. (Steps closer than a
# tenth of a second go out as one.)
wait_until 10 grep -q 'boolean false' "$work/bus.log" || { cat "$work/bus.log"; fail "no final Update"; }
grep -q 'string "application://org.linkmint.Linkmint.desktop"' "$work/bus.log" ||
  fail "Update without the app URI"
grep -q 'interface=com.canonical.Unity.LauncherEntry; member=Update' "$work/bus.log" ||
  fail "no Update signal"
grep -A2 '"progress-visible"' "$work/bus.log" | grep -q 'boolean true$' || fail "no progress shown"
grep -A2 '"progress"' "$work/bus.log" | grep -q 'double 0\.[0-9]*$' || fail "no progress below 1"
grep -A2 '"count"' "$work/bus.log" | grep -q 'int64 1$' || fail "no count of 1"
echo "the dock gets the progress over the session bus"

weston_screenshot "$shots/wayland-main-window.png" && echo "screenshot: $shots/wayland-main-window.png"

# A later start in another folder: its relative path reaches the window,
# which works elsewhere. A lone "--help" that is a file here is a path.
(cd "$work/elsewhere" && timeout 60 "$exe" later.txt) || fail "the later start failed"
wait_until 60 grep -q "Opening file \"$work/elsewhere/later.txt\"" "$log" ||
  fail "the relative path of a later start was not taken"
timeout 60 "$exe" --help >"$work/out.txt" || fail "a file named --help: the start failed"
grep -q Usage "$work/out.txt" && fail "a file named --help printed the usage"
wait_until 60 grep -q "Opening file \"$work/here/--help\"" "$log" ||
  fail "a file named --help was not handed over"
echo "later starts: relative paths from their own folder; a file named --help"
