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
# The viewer's default data directory is "Data/" beside the program; a
# "Data Directory" stored in the preferences still wins.
if [ ! -e build/bin/Data ] || [ -L build/bin/Data ]; then
  ln -sfn "$data" build/bin/Data
fi
exec build/bin/TavroKordex "$@"
