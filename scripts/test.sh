#!/usr/bin/env bash
# Builds both targets and runs every test of both: the unit and window tests under Wine, and
# the end-to-end tests that drive the real program on a private X display, in the private Wine
# prefixes (64-bit and 32-bit Windows) that this run creates and removes. Screenshots are kept
# in build/test-artifacts. Arguments go to ctest, e.g. "-R main_window" for some of the tests.
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/steps.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

# Tests run side by side in two lanes (see wine-session.sh), and one more that needs none.
export MORVANE_LANES=2
source "$root/scripts/wine-session.sh"
export MORVANE_ARTIFACTS="$root/build/test-artifacts"
rm -rf "$MORVANE_ARTIFACTS"

cd "$root/build/x86_64-tests"
ctest --output-on-failure --timeout 120 --resource-spec-file "$MORVANE_LANES_FILE" \
    -j $((MORVANE_LANES + 1)) "$@"
