#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real linkmint-cli binary and compares its exact output bytes.
set -u
cli="$1"
man_page="$(cd "$(dirname "$0")/../../data/man" && pwd)/linkmint-cli.1.in"
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

# Paths that cannot be hashed: each is reported, the file after it is still
# hashed and the status is 1. A FIFO must not block the program.
mkdir folder
mkfifo pipe
abc_link='ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/'
for bad in folder pipe; do
  message="Error: Unable to open file \"$bad\"."
  [ "$bad" = folder ] && message='Error: "folder" is a folder: use --recursive.'
  out=$(timeout 60 "$cli" "$bad" abc.txt 2>err.txt); status=$?
  if [ "$status" != 1 ] || [ "$out" != "$abc_link" ] || [ "$(cat err.txt)" != "$message" ]; then
    echo "$bad: status $status, stdout '$out', stderr '$(cat err.txt)'"; fail=1
  fi
done

# --recursive: every regular file below, as find names them, in byte order;
# links and FIFOs are not files to hash. A folder named twice is listed twice.
mkdir -p tree/b tree/a.d "tree/c d"
printf 1 > tree/b/z; printf 2 > tree/a; printf 3 > tree/a.d/x; printf 4 > "tree/c d/y"
printf 5 > tree/B; ln -s a tree/link; mkfifo tree/fifo
expected=$(cd tree/.. && find tree/ -type f | LC_ALL=C sort)
out=$(timeout 60 "$cli" -r tree/ | cut -d'|' -f3); status=$?
if [ "$status" != 0 ] || [ "$out" != "$expected" ]; then
  echo "--recursive: status $status"; echo "$out"; echo "expected:"; echo "$expected"; fail=1
fi
out=$(timeout 60 "$cli" --strip-path abc.txt --recursive tree/b | cut -d'|' -f3 | tr '\n' ' ')
if [ "$out" != "abc.txt z " ]; then
  echo "--recursive among files: '$out'"; fail=1
fi

# Folders among many small files: the files after a folder are hashed ahead
# while it is listed, and still come out after its own files, as with one
# thread.
mkdir many
for i in $(seq -w 0 79); do printf "%s" "$i" > "many/f$i"; done
set -- many/f0* tree/ many/f1* tree/b many/f[2-7]*
one=$(timeout 60 "$cli" --threads 1 -r "$@"); two=$(timeout 60 "$cli" --threads 2 -r "$@")
if [ "$one" != "$two" ] || [ "$(printf '%s\n' "$two" | wc -l)" != $((80 + 6)) ]; then
  echo "--recursive among many files:"; diff <(echo "$one") <(echo "$two"); fail=1
fi
set --

# Files the user may not read: one without read permission and one in a
# folder the user may not enter. Root reads anything, so as root the
# program runs as nobody.
mkdir locked
printf 'secret' > locked/inside.bin
printf 'secret' > noread.bin
chmod 000 noread.bin
chmod 700 locked
as_user=()
if [ "$(id -u)" = 0 ]; then
  chmod 755 "$dir"
  nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  if command -v setpriv >/dev/null && "${nobody[@]}" "$cli" --help >/dev/null 2>&1; then
    as_user=("${nobody[@]}")
  else
    as_user=(skip)
    echo "unreadable files: skipped (nobody cannot run $cli through setpriv)"
  fi
else
  chmod 000 locked
fi
if [ "${as_user[0]:-}" != skip ]; then
  for bad in noread.bin locked/inside.bin; do
    out=$(timeout 60 "${as_user[@]}" "$cli" "$bad" abc.txt 2>err.txt); status=$?
    if [ "$status" = 0 ] && [ -z "$(cat err.txt)" ]; then
      echo "unreadable files: skipped (permissions do not bind here)"
      break
    fi
    if [ "$status" != 1 ] || [ "$out" != "$abc_link" ] ||
       [ "$(cat err.txt)" != "Error: Unable to open file \"$bad\"." ]; then
      echo "$bad: status $status, stdout '$out', stderr '$(cat err.txt)'"; fail=1
    fi
  done
fi
chmod 700 locked

# Links that cannot be written are not lost in silence.
if [ -w /dev/full ]; then
  err=$("$cli" abc.txt 2>&1 >/dev/full); status=$?
  if [ "$status" != 1 ] || [ "$err" != 'Error: Unable to write to standard output: No space left on device.' ]; then
    echo "/dev/full: status $status, stderr '$err'"; fail=1
  fi
fi

# AICH and part hashes, checked by rhash; lists written by rhash, md5sum and
# sha1sum, checked by us. Every file here but zeros.bin has one ed2k hash;
# of the two of zeros.bin, rhash knows only the second.
# Its last byte is not 'x', so that writing an 'x' there below changes it.
{ head -c 9728000 /dev/urandom; printf 'a'; } > two-parts.bin
printf 'hello\n' > "name with spaces $(printf '\xc3\xa9').txt"
set -- abc.txt two-parts.bin "name with spaces $(printf '\xc3\xa9').txt"
"$cli" --aich --hashset "$@" > ours.ed2k
"$cli" --aich --hashset zeros.bin | tail -n 1 >> ours.ed2k
if ! grep -q '|p=.*|h=' ours.ed2k; then
  echo "no p= and h= in our links"; cat ours.ed2k; fail=1
fi
if ! out=$(rhash -c ours.ed2k 2>&1); then
  echo "rhash -c rejects our links:"; echo "$out"; fail=1
fi
rhash --sfv "$@" zeros.bin > rhash.sfv
rhash --ed2k-link "$@" zeros.bin > rhash.ed2k
rhash --bsd --aich --ed2k --crc32 "$@" > rhash.bsd
md5sum "$@" zeros.bin > list.md5
sha1sum -b "$@" > list.sha1
md5sum --tag "$@" > tag.md5
lists=(rhash.sfv rhash.ed2k rhash.bsd list.md5 list.sha1 tag.md5 ours.ed2k)
# Relative names are taken from the list's folder, not the working one.
out=$(cd / && "$cli" --check "${lists[@]/#/$dir/}" 2>"$dir/err.txt"); status=$?
entries=$(cat "${lists[@]}" | grep -vc '^;')
if [ "$status" != 0 ] || [ -s err.txt ] || [ "$(echo "$out" | grep -c '^OK  ')" != "$entries" ] ||
   [ "$(echo "$out" | tail -n 1)" != "$entries entries: $entries OK, 0 FAILED, 0 MISSING" ]; then
  echo "--check on lists of other tools: status $status"; echo "$out"; cat err.txt; fail=1
fi
printf 'x' | dd of=two-parts.bin bs=1 seek=9728000 conv=notrunc 2>/dev/null
out=$("$cli" --check ours.ed2k list.md5); status=$?
if [ "$status" != 1 ] ||
   [ "$(echo "$out" | grep -c '^FAILED  ')" != 2 ] ||
   ! echo "$out" | grep -qx 'FAILED  two-parts.bin (ed2k hash, AICH hash differ)' ||
   ! echo "$out" | grep -qx 'FAILED  two-parts.bin (MD5 differs)' ||
   [ "$(echo "$out" | tail -n 1)" != '8 entries: 6 OK, 2 FAILED, 0 MISSING' ]; then
  echo "--check after a change: status $status"; echo "$out"; fail=1
fi

# A list from standard input, names taken from the working folder.
out=$(printf '900150983cd24fb0d6963f7d28e17f72  abc.txt\nnot a line\n' | "$cli" --check - 2>err.txt)
status=$?
if [ "$status" != 0 ] || [ "$out" != $'OK  abc.txt\n1 entry: 1 OK, 0 FAILED, 0 MISSING' ] ||
   [ "$(cat err.txt)" != 'Warning: standard input, line 2: not a line of a known list format.' ]; then
  echo "--check -: status $status"; echo "$out"; cat err.txt; fail=1
fi

# --help and the manual page name every option the program takes.
help=$("$cli" --help)
for option in --strip-path --lowercase --no-trailing-slash --info --aich --hashset --magnet \
              -r --recursive --threads --check -h --help --version; do
  if ! grep -q -- "$option\b" <<<"$help"; then
    echo "--help does not name $option"; fail=1
  fi
  if ! grep -qF -- "${option//-/\\-}" "$man_page"; then
    echo "the manual page does not name $option"; fail=1
  fi
done
for word in "Exit status" "Examples" ".sfv" "md5sum" "BSD" "magnet" "standard input"; do
  grep -qF -- "$word" <<<"$help" || { echo "--help does not say $word"; fail=1; }
done

"$cli" --bogus >/dev/null 2>&1; status=$?
if [ "$status" != 2 ]; then
  echo "unknown option: status $status"; fail=1
fi
exit $fail
