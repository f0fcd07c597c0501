#!/usr/bin/env bash
# Builds the Windows suite (build/win, the product) and/or the native platform-free libraries
# with their tests under the sanitizers (build/native). Usage: build.sh [win|native|all]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
what="${1:-all}"
jobs="$(nproc)"

if [ "$what" = win ] || [ "$what" = all ]; then
    [ -f "$BUILD_WIN/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD_WIN" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_WIN" -j "$jobs"
fi
if [ "$what" = native ] || [ "$what" = all ]; then
    [ -f "$BUILD_NATIVE/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD_NATIVE" -G Ninja \
        -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD_NATIVE" -j "$jobs"
fi
