# Environment shared by the project's scripts: paths, the project's Wine prefix, the Japanese locale.
# Source it; it changes nothing on disk.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_WIN="$ROOT/build/win"
BUILD_NATIVE="$ROOT/build/native"
BIN_DIR="$BUILD_WIN/bin"

export WINEPREFIX="$ROOT/.wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8

# Wine sees the Unix root as drive Z:.
to_windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}
