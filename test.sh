#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through ctest.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$top/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
