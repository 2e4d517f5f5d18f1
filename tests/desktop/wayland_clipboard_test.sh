#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_weston.sh --nested (a weston with a seat), without an X
# server for the programs. The links copied when all files are read stay
# pasteable after Linkmint has closed itself; the clipboard holder sets the
# Wayland selection itself and ends once another program has taken it over
# (weston keeps a copy of its own at once, as clipboard managers do).
#   wayland_clipboard_test.sh LINKMINT HOLDER
set -u
exe="$1"
holder="$2"
work=$(mktemp -d)
pid=""
copier=""
trap 'kill $pid $copier 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
command -v wl-paste >/dev/null || fail "wl-paste is missing (scripts/install-deps --test)"
home="$LINKMINT_HOME"
printf '[Options]\r\nOnCompletion=CopyToClip&Exit\r\nStripPath=1\r\n' >"$home/Linkmint.ini"
printf 'abc' >"$work/abc.txt"
cd "$work" || exit 1

# The window draws into shared memory: without the EGL buffers it would
# never use, Mesa's driver is not loaded, whose memory the leak checker of
# the sanitizer build can no longer name once Mesa has unloaded it at exit.
QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none timeout 120 "$exe" abc.txt
status=$?
[ "$status" = 0 ] || fail "linkmint ended with status $status"
expected=$(printf 'ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n' | od -An -tx1)
actual=$(timeout 10 wl-paste -n | od -An -tx1)
[ "$actual" = "$expected" ] || { echo "$actual"; fail "the clipboard after the exit holds something else"; }
echo "the links are still on the Wayland clipboard after Linkmint ended"

# The holder alone: what it serves can only come from it.
printf 'held \xc3\xa9 text' >"$work/held.txt"
QT_QPA_PLATFORM=wayland "$holder" "$work/held.txt" &
pid=$!
pasted() { [ "$(timeout 5 wl-paste -n 2>/dev/null)" = "$(printf 'held \xc3\xa9 text')" ]; }
wait_until 30 pasted || fail "the holder's text did not reach the Wayland clipboard"
[ ! -e "$work/held.txt" ] || fail "the holder left its file"
printf 'something else' | wl-copy --foreground &
copier=$!
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 30 ended || fail "the holder stayed after another program took the clipboard"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "the holder ended with status $status"
taken_over() { [ "$(timeout 5 wl-paste -n 2>/dev/null)" = "something else" ]; }
wait_until 30 taken_over || fail "the new text was lost"
echo "the holder served the Wayland clipboard and ended when it was taken over"
