#!/usr/bin/env bash
# Lintian finds no error and no warning in the .deb: check_deb_lintian.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(the_deb "$1")
lintian --fail-on error,warning --allow-root "$deb" || fail "lintian reports errors or warnings"
echo "lintian OK"
