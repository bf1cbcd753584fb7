#!/usr/bin/env bash
# Configures into build/ and builds everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
