#!/usr/bin/env bash
# Sets up, builds, makes a sample data directory and starts the viewer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
if [ ! -x build/bin/TavroKordex ]; then
  echo "The viewer program is not built yet; the libraries and tests are." >&2
  exit 1
fi
data="${TAVRO_DEMO_DATA:-$PWD/build/demo-data}"
if [ -x build/bin/sampledata ] && [ ! -d "$data" ]; then
  build/bin/sampledata --out "$data"
fi
exec build/bin/TavroKordex "$@"
