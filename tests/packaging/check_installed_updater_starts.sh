#!/usr/bin/env bash
# Extracts the .deb, starts the installed updater through its launcher and
# waits for its window; a second start must leave that one window the only
# one: check_installed_updater_starts.sh DEB_DIR
source "$(dirname "$0")/common.sh"
# A private display: the window count below sees no other test's windows.
if [ -z "${KRV_PRIVATE_DISPLAY:-}" ]; then
    KRV_PRIVATE_DISPLAY=1 exec xvfb-run -a "$0" "$@"
fi
deb=$(the_deb "$1")
root=$(mktemp -d)
dpkg-deb -x "$deb" "$root"

LANG=C.UTF-8 LANGUAGE=en "$root/usr/bin/krvtm40-updater" > "$root/updater.log" 2>&1 &
pid=$!
cleanup()
{
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

# The launcher execs the updater, so the window belongs to this process.
window=""
for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || { cat "$root/updater.log"; fail "the updater exited early (is another updater or demo running? only one may run)"; }
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$root/updater.log"; fail "no window within 20 s"; }
geometry=$(xdotool getwindowgeometry "$window")
echo "updater window: $(xdotool getwindowname "$window") $geometry"
grep -q 'Geometry: 40[4-9]x' <<< "$geometry" || fail "unexpected window size: $geometry"

# A second start hands over to the running updater and ends by itself.
LANG=C.UTF-8 LANGUAGE=en timeout 20 "$root/usr/bin/krvtm40-updater" >> "$root/updater.log" 2>&1 \
    || fail "the second start did not end by itself (status $?)"
kill -0 "$pid" 2>/dev/null || fail "the first updater ended when it was started again"
# Count the visible windows of processes started from this extracted root.
count=0
for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
    owner=$(xdotool getwindowpid "$w" 2>/dev/null || true)
    [ -n "$owner" ] || continue
    case "$(readlink -f "/proc/$owner/exe" 2>/dev/null)" in
        "$root"/*) count=$((count + 1)) ;;
    esac
done
[ "$count" -eq 1 ] || fail "expected one updater window after a second start, found $count"
echo "second start OK"
