#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# linkmint-cli where things go wrong around it: a reader that has gone away,
# files whose size reads 0 although they have content, and lists that name a
# file with a NUL byte. Each must fail visibly, never pass for success.
set -u
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'abc' > abc.txt
: > a
abc_link='ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/'
empty_md5=d41d8cd98f00b204e9800998ecf8427e
fail=0

# Standard output is a pipe whose reader has already gone: the write fails
# with EPIPE, which is reported like any other failed write. SIGPIPE is put
# back to its default first, as a shell would start the program.
for args in "abc.txt" "--check list.md5"; do
  printf '%s  abc.txt\n' "$(md5sum < abc.txt | cut -d' ' -f1)" > list.md5
  # shellcheck disable=SC2086
  perl -e '$SIG{PIPE} = "DEFAULT"; pipe(my $r, my $w) or die; close $r;
           open(STDOUT, ">&", $w) or die; close $w; exec @ARGV or die' \
    "$cli" $args 2>err.txt
  status=$?
  if [ "$status" != 1 ] ||
     [ "$(cat err.txt)" != 'Error: Unable to write to standard output: Broken pipe.' ]; then
    echo "closed pipe ($args): status $status, stderr '$(cat err.txt)'"; fail=1
  fi
done

# /proc files say they are empty and then yield their text: no link of size
# 0 for them, and no OK when a list gives them the empty file's digests.
out=$("$cli" /proc/version abc.txt 2>err.txt); status=$?
if [ "$status" != 1 ] || [ "$out" != "$abc_link" ] ||
   [ "$(cat err.txt)" != 'Error: Unable to open file "/proc/version".' ]; then
  echo "/proc/version: status $status, stdout '$out', stderr '$(cat err.txt)'"; fail=1
fi
printf '%s  /proc/version\n%s  a\n' "$empty_md5" "$empty_md5" > proc.md5
out=$("$cli" --check proc.md5 2>err.txt); status=$?
if [ "$status" != 1 ] || ! echo "$out" | grep -qx 'FAILED  /proc/version (cannot be opened)' ||
   ! echo "$out" | grep -qx 'OK  a'; then
  echo "--check /proc/version: status $status, stdout '$out', stderr '$(cat err.txt)'"; fail=1
fi

# A name with a NUL byte: the system would look up "a" (an empty file that
# matches), so the line is malformed and nothing is OK.
printf '%s  a\0b\n' "$empty_md5" > nul.md5
printf 'ed2k://|file|a%%00b|0|31D6CFE0D16AE931B73C59D7E0C089C0|/\n' > nul.ed2k
for list in nul.md5 nul.ed2k; do
  out=$("$cli" --check "$list" 2>err.txt); status=$?
  if [ "$status" = 0 ] || echo "$out" | grep -q '^OK' ||
     ! grep -qx "Warning: $list, line 1: not a line of a known list format." err.txt; then
    echo "--check $list: status $status, stdout '$out', stderr '$(cat err.txt)'"; fail=1
  fi
done

[ "$fail" = 0 ] && echo "linkmint-cli faults: all passed"
exit $fail
