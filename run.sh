#!/usr/bin/env bash
# Sets up, builds, makes a sample data directory and starts the viewer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
data="${TAVRO_DEMO_DATA:-$PWD/build/demo-data}"
# The demo directory of the build is made again when the generator has
# changed since; a directory named by TAVRO_DEMO_DATA is never touched.
if [ -z "${TAVRO_DEMO_DATA:-}" ] && [ -d "$data" ] && [ build/bin/sampledata -nt "$data" ]; then
  rm -rf "$data"
fi
if [ ! -d "$data" ]; then
  build/bin/sampledata --out "$data"
fi
# The viewer's default data directory is "Data/" beside the program; a
# "Data Directory" stored in the preferences still wins.
if [ ! -e build/bin/Data ] || [ -L build/bin/Data ]; then
  ln -sfn "$data" build/bin/Data
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "The viewer needs a display. Run it on a desktop, or under a virtual one:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' ./run.sh"
  exit 1
fi
exec build/bin/TavroKordex "$@"
