#!/usr/bin/env bash
# The updater links the Linux HID backend only: no emulator and no virtual
# HID source. The demo, which links both, shows that the search finds them.
# check_no_emulator_in_updater.sh UPDATER DEMO
source "$(dirname "$0")/common.sh"
updater=$1
demo=$2
pattern='emu::|EmulatedController|VirtualHid'

demo_symbols=$(nm -C "$demo") || fail "cannot read the demo's symbols"
updater_symbols=$(nm -C "$updater") || fail "cannot read the updater's symbols"

grep -Eq "$pattern" <<< "$demo_symbols" || fail "the search finds no emulator symbols even in the demo"
found=$(grep -E "$pattern" <<< "$updater_symbols" | head -n 5 || true)
[ -z "$found" ] || fail "the updater contains emulator code: $found"
echo "updater free of emulator code"
