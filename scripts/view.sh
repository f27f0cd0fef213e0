#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo scenes into build/demo (once) and starts
# korvel-view there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release
if [ ! -d build/demo/sys ]; then
  ./build/src/korvel demo build/demo
fi
cd build/demo
exec ../src/korvel-view
