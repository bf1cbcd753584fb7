#!/usr/bin/env bash
# Configures the build folder named first; the options after it apply when the
# folder is made. A folder made earlier is configured again as it stands: rooms
# and test folders join the build when their CMakeLists.txt appears, which only
# a configure run notices.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$1"
shift
if [ -f "$folder/CMakeCache.txt" ]; then
  cmake -S . -B "$folder" >/dev/null
else
  generator=()
  if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
  cmake -S . -B "$folder" "${generator[@]}" "$@" >/dev/null
fi
