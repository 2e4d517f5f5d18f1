#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run by with_desktop.sh, on a display without a clipboard manager. The
# links copied when all files are read stay pasteable after Linkmint has
# closed itself: a reader in another process gets them exactly. Whoever
# keeps them for Linkmint ends once another program takes the clipboard.
set -u
exe="$1"
work=$(mktemp -d)
# The holders on this display (other tests have displays of their own).
holders() {
  local pid
  for pid in $(pgrep -f linkmint-clipboard-holder); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid"
  done
}
trap 'kill $(holders) 2>/dev/null; rm -rf "$work"' EXIT
home="$LINKMINT_HOME"
printf '[Options]\r\nOnCompletion=CopyToClip&Exit\r\nStripPath=1\r\n' >"$home/Linkmint.ini"
printf 'abc' >"$work/abc.txt"
printf '' >"$work/empty [00000000].bin"
cd "$work" || exit 1

timeout 120 "$exe" abc.txt "empty [00000000].bin"
status=$?
[ "$status" = 0 ] || { echo "linkmint ended with status $status"; exit 1; }

expected=$(printf 'ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\r\ned2k://|file|empty [00000000].bin|0|31D6CFE0D16AE931B73C59D7E0C089C0|/\r\ned2k://|file|empty [00000000].bin|0|BE6BC64C94BBC062BCEBFB40B4F93304|/\r\n' | od -An -tx1)
actual=$(timeout 10 xclip -o -selection clipboard | od -An -tx1)
if [ "$actual" != "$expected" ]; then
  echo "the clipboard after the exit holds:"; echo "$actual"; echo "instead of:"; echo "$expected"
  exit 1
fi
echo "the links are still on the clipboard after Linkmint ended"

[ -n "$(holders)" ] || { echo "no holder runs"; exit 1; }
printf 'something else' | xclip -i -selection clipboard
for _ in $(seq 100); do
  [ -n "$(holders)" ] || break
  sleep 0.05
done
if [ -n "$(holders)" ]; then
  echo "the holder stayed after another program took the clipboard"; exit 1
fi
[ "$(timeout 10 xclip -o -selection clipboard)" = "something else" ] || { echo "the new text was lost"; exit 1; }
echo "the holder ended when another program took the clipboard over"
