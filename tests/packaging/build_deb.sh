#!/usr/bin/env bash
# Makes the .deb from the build tree: build_deb.sh BUILD_DIR OUT_DIR
source "$(dirname "$0")/common.sh"
build_dir=$1
out_dir=$2

rm -rf "$out_dir"
mkdir -p "$out_dir"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out_dir/work" > "$out_dir/cpack.log" 2>&1 \
    || { cat "$out_dir/cpack.log"; fail "cpack failed"; }
mv "$out_dir"/work/krvtm40-updater_*.deb "$out_dir/"
rm -rf "$out_dir/work"
echo "built $(the_deb "$out_dir")"
