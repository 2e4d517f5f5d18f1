#!/usr/bin/env bash
# Runs the real linkmint-cli binary and compares its exact output bytes.
set -u
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'abc' > abc.txt
head -c 9728000 /dev/zero > zeros.bin
fail=0

expected=$(printf 'ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\ned2k://|file|zeros.bin|9728000|D7DEF262A127CD79096A108E7A9FC138|/\ned2k://|file|zeros.bin|9728000|FC21D9AF828F92A8DF64BEAC3357425D|/\n' | od -An -tx1)
actual=$("$cli" abc.txt zeros.bin | od -An -tx1)
if [ "$actual" != "$expected" ]; then
  echo "links differ"; echo "$actual"; fail=1
fi

err=$("$cli" abc.txt nope.bin 2>&1 >/dev/null); status=$?
if [ "$status" != 1 ] || [ "$err" != 'Error: Unable to open file "nope.bin".' ]; then
  echo "missing file: status $status, stderr '$err'"; fail=1
fi

"$cli" --bogus >/dev/null 2>&1; status=$?
if [ "$status" != 2 ]; then
  echo "unknown option: status $status"; fail=1
fi
exit $fail
