#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_desktop.sh: the window on X11 as a desktop ties it to its
# entry (WM_CLASS instance = StartupWMClass, the title with the progress),
# and a later start by a launcher (DESKTOP_STARTUP_ID) brings a minimized
# window back, active, marks it with the launch's id and ends the launch's
# startup feedback.
set -u
exe="$1"
work=$(mktemp -d)
first=""
watcher=""
trap 'kill $first $watcher 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$exe" &
first=$!
main_window() { xdotool search --onlyvisible --pid "$first" --name '^Linkmint \(idle\)$' 2>/dev/null | head -n 1; }
has_main_window() { [ -n "$(main_window)" ]; }
wait_until 30 has_main_window || fail "no window titled \"Linkmint (idle)\""
win=$(main_window)
xprop -id "$win" WM_CLASS | grep -q '= "org.linkmint.Linkmint", "Linkmint"$' ||
  { xprop -id "$win" WM_CLASS; fail "WM_CLASS does not match StartupWMClass"; }
echo "WM_CLASS and title as the desktop entry expects"

xdotool windowminimize --sync "$win"
iconic() { xprop -id "$win" WM_STATE | grep -q "window state: Iconic"; }
wait_until 10 iconic || fail "the window did not minimize"

# The root window's startup-notification messages, as a launcher sees them.
xev -root -event property >"$work/root.log" 2>&1 &
watcher=$!
sleep 0.5
id="launcher-$$-linkmint_TIME$(date +%s)"
DESKTOP_STARTUP_ID="$id" timeout 60 "$exe" || fail "the later start failed"
normal() { xprop -id "$win" WM_STATE | grep -q "window state: Normal"; }
wait_until 10 normal || fail "the minimized window was not restored"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
wait_until 10 active || fail "the window is not the active one"
xprop -id "$win" _NET_STARTUP_ID | grep -qF "\"$id\"" || fail "_NET_STARTUP_ID is not the launch's id"
wait_until 10 grep -q "_NET_STARTUP_INFO_BEGIN" "$work/root.log" ||
  fail "the launch's startup feedback was not ended"
echo "a launcher's later start restores, activates and ends its feedback"
