# Helpers shared by the package checks. Sourced, not run.
set -euo pipefail

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

# The one .deb that build_deb.sh made into the given directory.
the_deb()
{
    local debs=("$1"/krvtm40-updater_*.deb)
    [ -f "${debs[0]}" ] || fail "no package in $1 (did packaging.build_deb run?)"
    [ ${#debs[@]} -eq 1 ] || fail "more than one package in $1"
    echo "${debs[0]}"
}
