#!/usr/bin/env bash
# Set-up, build if needed, then open Twintext on the sample Japanese document. With a display the
# editor stays open until closed; without one it runs on a virtual display, a screenshot of the
# main window is saved, and the editor is closed again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$ROOT/scripts/session.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" win

sample="$(to_windows_path "$ROOT/samples/wagahai.txt")"
editor="$BIN_DIR/Twintext.exe"
winwait="$BUILD_WIN/tests-bin/winwait.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$editor" "$sample"
fi

start_session
shot="$ROOT/screenshots/twintext.png"
mkdir -p "$(dirname "$shot")"
wine "$editor" "$sample" &
if ! wine "$winwait" " - Twintext" 30000 >/dev/null; then
    echo "run: the Twintext main window did not appear" >&2
    exit 1
fi
sleep 1  # let the first paint finish
import -window root "$shot"
wine "$winwait" " - Twintext" 10000 --close >/dev/null
echo "run: no display, so Twintext ran on a virtual one; screenshot saved to $shot"
