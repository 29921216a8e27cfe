#!/usr/bin/env bash
# Installs what is missing, builds the two programs (not the tests), and
# starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh shosu-drill shosu-sheet
exec "${BUILD_DIR:-build}/src/app/shosu-drill" "$@"
