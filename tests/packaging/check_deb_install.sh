#!/usr/bin/env bash
# Installs the .deb into an empty dpkg root, then purges it and checks that
# nothing of it is left: check_deb_install.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(the_deb "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"

# The empty root has none of the libraries the package depends on.
dpkg_root() { dpkg --root="$root" --force-depends --force-script-chrootless --force-not-root "$@"; }

dpkg_root -i "$deb" || fail "dpkg -i failed"
dpkg_root -s krvtm40-updater | grep -q '^Status: install ok installed' || fail "package is not installed"
[ -x "$root/usr/lib/krvtm40-updater/KRVTM40UpdateProgram" ] || fail "updater not installed"
[ -f "$root/usr/lib/udev/rules.d/70-krv-tm40.rules" ] || fail "udev rule not installed"

dpkg_root --purge krvtm40-updater || fail "dpkg --purge failed"
left=$(cd "$root" && find . -mindepth 1 \( -path ./var -prune \) -o -print)
[ -z "$left" ] || fail "left after purge: $left"
echo "install and purge OK"
