#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program (Vorlat unless named).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
program="${1:-Vorlat}"
if [ -x "build/bin/$program" ]; then
  exec "build/bin/$program"
fi
echo "The $program window is not built yet; running the headless trace instead." >&2
exec build/bin/simtrace gyroscope --gravity 2.5 --seconds 5 --every 0.5
