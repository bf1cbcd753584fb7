#!/usr/bin/env bash
# Sets up, builds, makes a sample data directory and starts the viewer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
data="${TAVRO_DEMO_DATA:-$PWD/build/demo-data}"
if [ ! -d "$data" ]; then
  build/bin/sampledata --out "$data"
fi
if [ ! -x build/bin/TavroKordex ]; then
  echo "Sample data is in $data. The viewer program itself is not built yet (see README, Status)."
  exit 0
fi
exec build/bin/TavroKordex "$@"
