#!/usr/bin/env bash
# Configures and builds everything into build/, which also lays out the program folder
# build/LynvarBook/ (a user's data/, fotoulov/, copy/ and options.ini there are never replaced).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLYNVAR_WERROR=$werror
fi
cmake --build build -j"$(nproc)"
