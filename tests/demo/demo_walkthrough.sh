#!/usr/bin/env bash
# The demo as a user runs it: OK on the language screen, Start on the ready
# screen, OK on the completion screen, which quits. The demo then reports what
# the emulated controller stored. demo_walkthrough.sh PATH_TO_KRVTM40UpdateDemo
set -euo pipefail
demo=$1

# A private display, so that no other window can take the clicks.
if [ -z "${KRV_PRIVATE_DISPLAY:-}" ]; then
    KRV_PRIVATE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

fail() { echo "FAIL: $*" >&2; echo "--- demo output:" >&2; cat "$log" >&2; exit 1; }

# Under AddressSanitizer: the framework opens the X libraries with dlopen and
# closes them at exit, after which LeakSanitizer reports whatever they still
# pointed to as leaked, from an unnamed module. Keeping them loaded for the
# whole run leaves only real leaks to report.
preload=""
asan_runtime=$(ldd "$demo" | awk '/libasan/ { print $3 }')
if [ -n "$asan_runtime" ]; then
    preload="$asan_runtime libX11.so.6 libXext.so.6 libXcursor.so.1 libXinerama.so.1 libXrender.so.1 libXrandr.so.2"
fi

log=$(mktemp)
LD_PRELOAD="$preload" LANG=C.UTF-8 LANGUAGE=en KRV_DEMO_LATENCY_US=0 "$demo" > "$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

# wait_for SECONDS COMMAND...: polls the command every 0.1 s.
wait_for()
{
    local tenths=$(( $1 * 10 ))
    shift
    for _ in $(seq 1 "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
said() { grep -q -- "$1" "$log"; }
window_up() { window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1); [ -n "$window" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# OK, Start and the completion screen's OK share one place: the right-hand
# button at (W - 120, H - 40, 100, 20).
click_right_button()
{
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $(( X + WIDTH - 70 )) $(( Y + HEIGHT - 30 )) click 1
}

# click_until SECONDS PATTERN: clicks, and again every few seconds, until the
# demo says PATTERN (a click may land just before the screen has changed).
click_until()
{
    local seconds=$1 pattern=$2
    for _ in 1 2 3; do
        click_right_button
        wait_for "$seconds" said "$pattern" && return 0
    done
    return 1
}

wait_for 20 window_up || {
    ended && ! said "plugged in" && fail "the demo ended at once: is another updater or demo running? Only one may run at a time"
    fail "no demo window within 20 s"
}
said "emulated KRV-TM40 plugged in" || fail "the emulated controller was not plugged in"

click_until 10 "answered the mode and version queries" || fail "OK did not get as far as the version query (see the screen the demo shows)"
click_until 10 "block 1, target 0xF1" || fail "Start did not start the transfer"
wait_for 120 said "received the finish command" || fail "the update did not finish"
for _ in 1 2 3 4 5; do
    click_right_button 2>/dev/null || true
    wait_for 4 ended && break
done
ended || fail "OK on the completion screen did not quit"
wait "$pid" || fail "the demo exited with status $?"

said "16 blocks stored of 16 started, 0 byte-sum mismatches, finish received" || fail "not every block was stored"
said "3 of 3 images in the controller match the update file" || fail "the controller does not hold the update file's images"
echo "demo walkthrough OK"
