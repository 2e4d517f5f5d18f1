#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a Wayland desktop of its own: a headless weston (no
# screen, no input devices), or with --nested a weston in a window of the
# X server the caller gives (with_desktop.sh), which brings a seat with a
# keyboard and pointer. The command gets WAYLAND_DISPLAY, no DISPLAY, no
# QT_QPA_PLATFORM (the program chooses by itself), a runtime folder
# (XDG_RUNTIME_DIR) and a session bus (DBUS_SESSION_BUS_ADDRESS) of its own
# and, unless already set, a fresh LINKMINT_HOME and LINKMINT_INSTANCE.
# `weston_screenshot FILE` (exported) saves what the screen shows.
#
#   with_weston.sh [--nested] COMMAND [ARGS...]
#
# Exits with the command's status; the compositor goes away with it.
set -u
nested=0
if [ "${1:-}" = --nested ]; then nested=1; shift; fi
[ $# -gt 0 ] || { echo "usage: $0 [--nested] COMMAND [ARGS...]" >&2; exit 2; }
for tool in weston dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "with_weston: $tool is missing (scripts/install-deps --test)" >&2; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lm-weston.XXXXXX")
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# The compositor's socket lives in a runtime folder of its own, mode 0700.
mkdir -p "$scratch/runtime" "$scratch/home"
chmod 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
backend=headless-backend.so
if [ "$nested" = 1 ]; then
  [ -n "${DISPLAY:-}" ] || { echo "with_weston: --nested needs an X display" >&2; exit 1; }
  backend=x11-backend.so
fi
# --debug lets weston-screenshooter take pictures; --idle-time=0 keeps the
# screen from blanking.
weston --backend="$backend" --use-pixman --socket=wayland-lm --idle-time=0 --debug \
  --width=1024 --height=768 --log="$scratch/weston.log" >/dev/null 2>&1 &
pids+=($!)

wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}
export -f wait_until
wait_until 30 test -S "$XDG_RUNTIME_DIR/wayland-lm" ||
  { echo "with_weston: weston did not start" >&2; cat "$scratch/weston.log" >&2; exit 1; }

dbus-daemon --session --nofork --address="unix:path=$scratch/bus" >"$scratch/dbus.log" 2>&1 &
pids+=($!)
wait_until 20 test -S "$scratch/bus" || { echo "with_weston: no session bus" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/bus"

# weston_screenshot FILE.png: the whole screen as weston shows it.
weston_screenshot() (
  cd "$LM_WESTON_SCRATCH" || exit 1
  rm -f wayland-screenshot-*.png
  timeout 20 weston-screenshooter >/dev/null 2>&1 || exit 1
  mv wayland-screenshot-*.png "$1"
)
export -f weston_screenshot

export WAYLAND_DISPLAY=wayland-lm
unset DISPLAY QT_QPA_PLATFORM
export LINKMINT_HOME="${LINKMINT_HOME:-$scratch/home}"
export LINKMINT_INSTANCE="${LINKMINT_INSTANCE:-weston-$$}"
export LM_WESTON_SCRATCH="$scratch"
"$@"
