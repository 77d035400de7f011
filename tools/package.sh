#!/usr/bin/env bash
# Builds the release downloads: build/win/Vantry-<version>-win64.zip (portable) and
# build/win/Vantry-<version>-win64.exe (the installer).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/tools/install-deps.sh"
"$here/tools/build.sh"
cd "$here/build/win"
cpack
