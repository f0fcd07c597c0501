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

# Pictures of the editor on the Japanese and the Chinese sample, kept as the run's artifacts.
artifacts="$BUILD_WIN/artifacts"
mkdir -p "$artifacts"
shoot_editor() {
    if [ -n "$1" ]; then
        wine "$BIN_DIR/Twintext.exe" "$(to_windows_path "$ROOT/samples/$1")" &
    else
        wine "$BIN_DIR/Twintext.exe" &  # a plain start, with the splash picture
    fi
    local editor=$!
    if wine "$BUILD_WIN/tests-bin/winwait.exe" " - Twintext" 30000 >/dev/null; then
        sleep 1  # let the first paint finish
        import -window root "$artifacts/$2"
        wine "$BUILD_WIN/tests-bin/winwait.exe" " - Twintext" 10000 --close >/dev/null || true
        echo "screenshot: $artifacts/$2"
    else
        echo "screenshot: the editor did not start for $2" >&2
        status=1
    fi
    wait "$editor" || true
}
echo "== screenshots"
shoot_editor wagahai.txt twintext-japanese.png
shoot_editor taohuayuan.txt twintext-chinese.png
shoot_editor "" twintext-splash.png
stop_session

exit $status
