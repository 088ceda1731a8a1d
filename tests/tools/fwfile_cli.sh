#!/usr/bin/env bash
# The command line of krvtm40-fwfile: exit statuses, verdict lines and error
# messages as a user sees them. fwfile_cli.sh PATH_TO_krvtm40-fwfile
set -uo pipefail
tool=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect STATUS PATTERN -- COMMAND...: runs the command, checks its exit status
# and that its output (stdout and stderr together) matches the pattern.
expect()
{
    local status=$1 pattern=$2
    shift 3
    local output actual
    output=$("$@" 2>&1)
    actual=$?
    [ "$actual" -eq "$status" ] || fail "$* -> status $actual, expected $status; output: $output"
    grep -Eq -- "$pattern" <<< "$output" || fail "$* -> output does not match /$pattern/: $output"
}

expect 0 "^$work/out/krvtm40__v102.bin$" -- "$tool" make --kind 1 --version 1.02 --date 0x20240315 "$work/out"
valid="$work/out/krvtm40__v102.bin"
expect 0 'verdict: +valid' -- "$tool" info "$valid"
expect 0 'kind: +1 \(For SH7269\)' -- "$tool" info "$valid"
expect 0 "file: +$work/out/krvtm40__v102.bin" -- bash -c "cd '$work/out' && '$tool' info krvtm40__v102.bin"

# Defective copies: each must name its check and error ID and exit with 1.
mkdir -p "$work/bad"
head -c 2097151 "$valid" > "$work/bad/krvtm40__v102.bin"
expect 1 'verdict: +INVALID, 0x0E03 ERR_FILE_SIZE' -- "$tool" info "$work/bad/krvtm40__v102.bin"
{ cat "$valid"; printf 'x'; } > "$work/bad/krvtm40__v102.bin"
expect 1 'size: +2097153 bytes.*FAILS' -- "$tool" info "$work/bad/krvtm40__v102.bin"

patch_byte() # FILE OFFSET HEXBYTE
{
    printf "\\x$3" | dd of="$1" bs=1 seek=$(( $2 )) conv=notrunc status=none
}
cp "$valid" "$work/bad/krvtm40__v102.bin"
patch_byte "$work/bad/krvtm40__v102.bin" 0x1DFFFD 51         # year 0x51
expect 1 'date: +0x20510315.*FAILS' -- "$tool" info "$work/bad/krvtm40__v102.bin"
expect 1 'verdict: +INVALID, 0x0E04 ERR_FILE_VERSION' -- "$tool" info "$work/bad/krvtm40__v102.bin"
cp "$valid" "$work/bad/krvtm40__v102.bin"
patch_byte "$work/bad/krvtm40__v102.bin" 0x1D0001 2c         # "1,02"
expect 1 'version: +"1,02".*FAILS' -- "$tool" info "$work/bad/krvtm40__v102.bin"
expect 1 'verdict: +INVALID, 0x0E04' -- "$tool" info "$work/bad/krvtm40__v102.bin"
cp "$valid" "$work/bad/krvtm40__v102.bin"
patch_byte "$work/bad/krvtm40__v102.bin" 0x1F0000 ff         # not transferred, still covered by the CRC
expect 1 'verdict: +INVALID, 0x0E05 ERR_FILE_CRC' -- "$tool" info "$work/bad/krvtm40__v102.bin"
truncate -s 100M "$work/bad/krvtm40__v102.bin"                 # judged by its size, not read
expect 1 'size: +104857600 bytes.*FAILS' -- "$tool" info "$work/bad/krvtm40__v102.bin"
expect 1 'verdict: +INVALID, 0x0E03' -- "$tool" info "$work/bad/krvtm40__v102.bin"
cp "$valid" "$work/bad/krvtm40_v102.bin"
expect 1 'verdict: +INVALID, 0x0E01' -- "$tool" info "$work/bad/krvtm40_v102.bin"

# Unreadable input and bad arguments.
expect 3 'cannot read .*/missing.bin: no such file.*0x0E01' -- "$tool" info "$work/missing.bin"
expect 3 'is a directory' -- "$tool" info "$work/out"
expect 2 'info takes exactly one FILE' -- "$tool" info
expect 2 'info takes exactly one FILE' -- "$tool" info "$valid" "$valid"
expect 2 'no command given' -- "$tool"
expect 2 'unknown command "frob"' -- "$tool" frob
expect 2 'make: --kind must be 1 or 2' -- "$tool" make --kind 3 --version 1.02 --date 0x20240315 "$work/x"
expect 2 'make: --date 0x20511231 is out of range' -- "$tool" make --kind 1 --version 1.02 --date 0x20511231 "$work/x"
[ ! -e "$work/x" ] || fail "a refused make created its output directory"
touch "$work/plainfile"
expect 3 'cannot use .*plainfile as the output directory' -- "$tool" make --kind 2 --version 1.02 --date 0x20240315 "$work/plainfile"
expect 0 'usage: krvtm40-fwfile info FILE' -- "$tool" --help

# make creates missing directories and names kind-2 files accordingly.
expect 0 "^$work/new/sub/krvtm40_B__v310.bin$" -- "$tool" make --kind 2 --version 3.10 --date 0x20501231 --seed 7 "$work/new/sub"
expect 0 'kind: +2 \(For RT1062\)' -- "$tool" info "$work/new/sub/krvtm40_B__v310.bin"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "krvtm40-fwfile command line OK"
