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
(cd "$BUILD_WIN" && ctest --output-on-failure -j "$(nproc)") || status=1
stop_session

exit $status
