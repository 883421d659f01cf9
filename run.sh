#!/usr/bin/env bash
# Installs what is missing, builds, lays out build/LynvarBook/ and starts LynvarBook there.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
cd "$top/build/LynvarBook"
# Qt WebEngine refuses to start its sandbox as root.
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec ./lynvarbook
