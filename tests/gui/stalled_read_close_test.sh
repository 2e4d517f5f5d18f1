#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A file on a mount that stops answering (a FUSE file system whose reads
# never return) is being hashed when the window is asked to close: the
# close waits a few seconds for the worker, then saves the settings with
# the file unhashed and ends the process, well within 10 seconds, and the
# debug log says so. linkmint-cli reports a file whose reads fail, and finds
# the files of a folder whose listing gives no entry types.
#
#   stalled_read_close_test.sh LINKMINT LINKMINT_CLI STALL_FS_PY
#
# Exits 77 (skipped) where no FUSE file system can be mounted.
set -u
linkmint="$1"
cli="$2"
stall_fs="$3"
python=/usr/bin/python3

skip() {
  echo "skipped: $1"
  exit 77
}
[ -c /dev/fuse ] || skip "no /dev/fuse"
"$python" -c 'import fuse' 2>/dev/null || skip "python3-fuse is not installed (scripts/install-deps --test)"

# A mount point of its own, so that runs side by side never meet, and an
# unmount whatever way the test ends.
work=$(mktemp -d)
mnt="$work/mnt"
mkdir -p "$mnt" "$work/home" "$work/run"
chmod 700 "$work/run"
fs_pid=""
lm_pid=""
cleanup() {
  if [ -n "$lm_pid" ]; then kill -9 "$lm_pid" 2>/dev/null; fi
  fusermount -u -z "$mnt" 2>/dev/null || umount -l "$mnt" 2>/dev/null
  if [ -n "$fs_pid" ]; then kill -9 "$fs_pid" 2>/dev/null; wait "$fs_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

STALLFS_MARKER="$work/reading" "$python" "$stall_fs" "$mnt" -f 2>"$work/fs.log" &
fs_pid=$!
for _ in $(seq 100); do
  [ -e "$mnt/ok.bin" ] && break
  kill -0 "$fs_pid" 2>/dev/null || break
  sleep 0.1
done
[ -e "$mnt/ok.bin" ] || skip "the FUSE file system could not be mounted: $(cat "$work/fs.log")"
fail=0

# Reads that fail: an error with the system's reason, never a link.
out=$(timeout 60 "$cli" "$mnt/fail.bin" 2>"$work/err.txt"); status=$?
if [ "$status" != 1 ] || [ -n "$out" ] ||
   [ "$(cat "$work/err.txt")" != "Error: Unable to read file \"$mnt/fail.bin\": Input/output error." ]; then
  echo "fail.bin: status $status, stdout '$out', stderr '$(cat "$work/err.txt")'"; fail=1
fi

# A folder whose listing does not tell files from folders and links:
# --recursive still finds every regular file and leaves the link.
out=$(timeout 60 "$cli" -r "$mnt/tree" 2>"$work/err.txt" | cut -d'|' -f3,4 | tr '\n' ' '); status=$?
if [ "$status" != 0 ] || [ "$out" != "$mnt/tree/a|1 $mnt/tree/sub/b|1 " ] || [ -s "$work/err.txt" ]; then
  echo "untyped listing: status $status, '$out', stderr '$(cat "$work/err.txt")'"; fail=1
fi

# The window, hashing the stalled file, is closed by SIGTERM as by its
# close box once the read has begun.
printf '[Options]\r\nKeepFilesOnExit=1\r\n' > "$work/home/Linkmint.ini"
LINKMINT_HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LINKMINT_INSTANCE="stall-$$" \
  QT_QPA_PLATFORM=offscreen "$linkmint" /debug "$mnt/stall.bin" >"$work/linkmint.log" 2>&1 &
lm_pid=$!
for _ in $(seq 600); do
  [ -e "$work/reading" ] && break
  kill -0 "$lm_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -e "$work/reading" ]; then
  echo "the read of stall.bin never began"; cat "$work/linkmint.log"
  exit 1
fi
sleep 0.5
start=$(date +%s%N)
kill -TERM "$lm_pid"
ended=""
for _ in $(seq 300); do
  if ! kill -0 "$lm_pid" 2>/dev/null; then ended=yes; break; fi
  sleep 0.05
done
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
if [ -z "$ended" ] || [ "$elapsed_ms" -gt 10000 ]; then
  echo "the close took more than 10 s (${elapsed_ms} ms; ended: ${ended:-no})"; fail=1
else
  wait "$lm_pid"; status=$?
  lm_pid=""
  echo "closed ${elapsed_ms} ms after SIGTERM, exit status $status"
  [ "$status" = 0 ] || { echo "exit status $status"; fail=1; }
fi

ini="$work/home/Linkmint.ini"
log="$work/home/LinkmintDebug.log"
# The kept list holds the file, not hashed and not queued: idle, as after a
# pause, so that the next start hashes it again.
record=$(tr -d '\r' < "$ini" | grep -A8 -x "NoHash" | head -n 9)
if ! printf '%s\n' "$record" | grep -qx "$mnt/stall.bin" ||
   ! printf '%s\n' "$record" | grep -qx 'State=0'; then
  echo "the settings do not keep the file unhashed:"; cat "$ini"; fail=1
fi
if ! grep -q '^File reading did not stop within 5 seconds; closing without it\.' "$log" ||
   ! grep -q '^Saving INI file\.' "$log" || ! grep -q '^Close complete\.' "$log"; then
  echo "the debug log does not tell of it:"; cat "$log"; fail=1
fi
[ "$fail" = 0 ] && echo "stalled read: all passed"
exit $fail
