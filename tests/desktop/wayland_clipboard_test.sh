#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_weston.sh --nested (a weston with a seat), without an X
# server for the programs: the links copied when all files are read stay
# pasteable after Linkmint has closed itself, served through Wayland; the
# holder ends once another program takes the clipboard.
set -u
exe="$1"
work=$(mktemp -d)
holders() {
  local pid
  for pid in $(pgrep -f linkmint-clipboard-holder); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WAYLAND_DISPLAY=$WAYLAND_DISPLAY" &&
      tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" &&
      echo "$pid"
  done
}
trap 'kill $(holders) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
command -v wl-paste >/dev/null || fail "wl-paste is missing (scripts/install-deps)"
home="$LINKMINT_HOME"
printf '[Options]\r\nOnCompletion=CopyToClip&Exit\r\nStripPath=1\r\n' >"$home/Linkmint.ini"
printf 'abc' >"$work/abc.txt"
cd "$work" || exit 1

timeout 120 "$exe" abc.txt
status=$?
[ "$status" = 0 ] || fail "linkmint ended with status $status"
expected=$(printf 'ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n' | od -An -tx1)
actual=$(timeout 10 wl-paste -n | od -An -tx1)
[ "$actual" = "$expected" ] || { echo "$actual"; fail "the clipboard after the exit holds something else"; }
[ -n "$(holders)" ] || fail "no holder runs"
echo "the links are still on the Wayland clipboard after Linkmint ended"

printf 'something else' | timeout 30 wl-copy
no_holder() { [ -z "$(holders)" ]; }
wait_until 30 no_holder || fail "the holder stayed after another program took the clipboard"
[ "$(timeout 10 wl-paste -n)" = "something else" ] || fail "the new text was lost"
echo "the holder ended when another program took the clipboard over"
