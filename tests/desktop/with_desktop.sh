#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a desktop of its own: an Xvfb display with a window
# manager (openbox) and, with --tray, a notification area (trayer). The
# command gets DISPLAY, QT_QPA_PLATFORM=xcb and, unless already set, a fresh
# LINKMINT_HOME, XDG_RUNTIME_DIR and LINKMINT_INSTANCE, so that no two runs
# ever hand files over to each other or share settings.
#
#   with_desktop.sh [--tray] [--no-wm] COMMAND [ARGS...]
#
# Exits with the command's status; the desktop goes away with it.
set -u
tray=0
wm=1
while [ $# -gt 0 ]; do
  case "$1" in
    --tray) tray=1; shift ;;
    --no-wm) wm=0; shift ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--tray] [--no-wm] COMMAND [ARGS...]" >&2; exit 2; }
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "with_desktop: $tool is missing (scripts/install-deps --test)" >&2; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lm-desktop.XXXXXX")
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# Xvfb picks a free display number itself and writes it to the pipe.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset \
  >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
display=""
# Xvfb writes the number and its newline apart; a read that times out
# between them keeps what it got, so the pieces are put together. Up to
# 60 s: on a loaded machine Xvfb takes its time.
for _ in $(seq 600); do
  if read -r -t 0.1 -u "$fd" part; then
    display+=$part
    break
  fi
  display+=$part
done
exec {fd}<&-
[ -n "$display" ] || { echo "with_desktop: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"

# wait_until SECONDS COMMAND...: until COMMAND succeeds, at most SECONDS.
# Exported: the tests run here use it too.
wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}
export -f wait_until

if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    { echo "with_desktop: openbox did not start" >&2; exit 1; }
fi
if [ "$tray" = 1 ]; then
  command -v trayer >/dev/null || { echo "with_desktop: trayer is missing" >&2; exit 1; }
  trayer --edge bottom --align right --widthtype pixel --width 200 --height 24 \
    >"$scratch/trayer.log" 2>&1 &
  pids+=($!)
  wait_until 20 sh -c 'xwininfo -root -tree 2>/dev/null | grep -qi trayer' ||
    { echo "with_desktop: trayer did not start" >&2; exit 1; }
fi

export QT_QPA_PLATFORM=xcb
mkdir -p "$scratch/runtime" "$scratch/home"
chmod 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR_FOR_TEST:-$scratch/runtime}"
export LINKMINT_HOME="${LINKMINT_HOME:-$scratch/home}"
export LINKMINT_INSTANCE="${LINKMINT_INSTANCE:-desktop-$$}"
export LM_DESKTOP_SCRATCH="$scratch"
"$@"
