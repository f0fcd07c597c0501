#!/usr/bin/env bash
# Idempotent machine set-up: packages, the Japanese locale and the project's own Wine prefix.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

PACKAGES=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine64 xvfb xauth locales cmake ninja-build g++ googletest imagemagick clang libclang-rt-14-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei fonts-wine
    python3 unicode-data opencc
)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "setup: installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

ensure_japanese_locale() {
    locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

# Registry contents the suite relies on: font replacements for the faces the editor asks for,
# the installation's values, windows that draw their own caption (Xvfb has no window manager),
# and no crash dialog (a headless run would hang on it).
write_registry_script() {
    local exe
    exe="$(to_windows_path "$BIN_DIR/Twintext.exe")"
    exe="${exe//\\/\\\\}"
    cat <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"ＭＳ 明朝"="IPAMincho"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ Ｐゴシック"="IPAPGothic"
"RZ-GB P Mincho"="AR PL UMing CN"
"RZ-B5 P Mincho"="AR PL UMing TW"
"RZ-GB Mincho"="AR PL UMing CN"
"RZ-B5 Mincho"="AR PL UMing TW"
"RZ-GB18030 Gothic"="WenQuanYi Zen Hei"
"ＧＢ 中国ゴシック"="WenQuanYi Zen Hei"
"MS UI Gothic"="IPAPGothic"
"ＭＳ ＵＩ Gothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Mincho"="IPAMincho"
"MS PMincho"="IPAPMincho"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\\Software\\Torvane\\LINGUA_SUITE]
"Title"="Velmarind"
"TitlePad"="Twintext"

[HKEY_LOCAL_MACHINE\\Software\\Torvane\\LINGUA_SUITE\\Launcher\\Duopane]
"ExecPath"="$exe"
REG
}

prepare_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "setup: creating Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    local script stamp
    script="$(write_registry_script)"
    stamp="$WINEPREFIX/.project-registry"
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$script" ]; then
        local reg="$WINEPREFIX/project.reg"
        # regedit wants UTF-16LE with a byte-order mark.
        { printf '\xff\xfe'; printf '%s\r\n' "$script" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
        wine regedit /S "$(to_windows_path "$reg")" >/dev/null 2>&1
        wineserver -w
        printf '%s' "$script" >"$stamp"
    fi
}

install_missing_packages
ensure_japanese_locale
prepare_wine_prefix
