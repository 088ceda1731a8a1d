#!/usr/bin/env bash
# Checks what the .deb holds and that its desktop entry, metadata, icon and
# control data are valid: check_deb_contents.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(the_deb "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

listing=$(dpkg-deb -c "$deb")
for path in \
    ./usr/bin/krvtm40-updater \
    ./usr/lib/krvtm40-updater/KRVTM40UpdateProgram \
    ./usr/lib/udev/rules.d/70-krv-tm40.rules \
    ./usr/share/applications/com.krv.krvtm40updater.desktop \
    ./usr/share/metainfo/com.krv.krvtm40updater.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.krv.krvtm40updater.png \
    ./usr/share/man/man1/krvtm40-updater.1.gz \
    ./usr/share/doc/krvtm40-updater/copyright
do
    grep -q " $path\$" <<< "$listing" || fail "$path is not in the package"
done
# Developer programs stay out of the user's package.
if grep -Eq 'Demo|fwfile|emulator' <<< "$listing"; then
    fail "the package contains a developer program"
fi

dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/com.krv.krvtm40updater.desktop" \
    || fail "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.krv.krvtm40updater.metainfo.xml" \
    || fail "AppStream metadata does not validate"
file -b "$root/usr/share/icons/hicolor/256x256/apps/com.krv.krvtm40updater.png" | grep -q '^PNG image data, 256 x 256' \
    || fail "icon is not a 256x256 PNG"
grep -q '^Exec=krvtm40-updater$' "$root/usr/share/applications/com.krv.krvtm40updater.desktop" \
    || fail "desktop entry does not start the launcher on PATH"

# The udev rule must be configured (no template placeholders left) and match
# the controller's product ID on hidraw nodes only.
rule="$root/usr/lib/udev/rules.d/70-krv-tm40.rules"
! grep -q '@' "$rule" || fail "udev rule still holds a placeholder"
grep -q 'SUBSYSTEM=="hidraw"' "$rule" || fail "udev rule is not limited to hidraw"
grep -q 'ATTRS{idProduct}=="0038"' "$rule" || fail "udev rule does not match product 0038"

dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "shared-library dependencies were not computed"
echo "contents OK"
