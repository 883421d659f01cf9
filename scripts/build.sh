#!/usr/bin/env bash
# Configures and builds everything into build/, which also lays out the program folder
# build/LynvarBook/ (a user's data/, fotoulov/, copy/ and options.ini there are never replaced).
# The configure step runs every time (it is quick when nothing changed), so that LYNVAR_WERROR is what
# this run asks for: ON in CI (CI=true), otherwise the LYNVAR_WERROR of the environment, OFF by default.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
werror=${LYNVAR_WERROR:-OFF}
[[ "${CI:-}" == "true" ]] && werror=ON
configure=(-DLYNVAR_WERROR="$werror")
# CI runs no benchmark: it does not build them either, to stay well within its time.
[[ "${CI:-}" == "true" ]] && configure+=(-DLYNVAR_BENCHMARKS=OFF)
[[ -f build/CMakeCache.txt ]] || configure+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S . -B build "${configure[@]}"
cmake --build build -j"$(nproc)"
