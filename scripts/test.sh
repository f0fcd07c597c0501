#!/usr/bin/env bash
# Set-up, both builds, then every test: the native platform-free tests under the sanitizers, and
# the Windows tests through Wine on a display and wineserver of this script's own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$ROOT/scripts/session.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" all

status=0
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd "$BUILD_NATIVE" && ctest --output-on-failure -j "$(nproc)") || status=1

echo "== Windows tests (Wine)"
start_session force
# A Wine process now and then fails to start at all (no output, a few milliseconds); such a
# test is run again, up to three times in all. A real failure fails every time.
(cd "$BUILD_WIN" && ctest --output-on-failure --repeat until-pass:3 -j "$(nproc)") || status=1
stop_session

exit $status
