#!/usr/bin/env bash
# Installs what is missing, builds, and starts korvel-view in the demo folder build/demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release
mkdir -p build/demo
cd build/demo
exec ../src/korvel-view
