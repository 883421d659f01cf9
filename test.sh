#!/usr/bin/env bash
# Installs what is missing, builds, checks the formatting (in CI), runs the fuzz smoke (when clang is
# there) and then every test headless through ctest, whose summary ends the output.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
if [[ "${CI:-}" == "true" ]]; then
    cmake --build "$top/build" --target format-check
fi
"$top/scripts/fuzz-smoke.sh"
export QT_QPA_PLATFORM=offscreen
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$top/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
