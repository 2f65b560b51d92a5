#!/usr/bin/env bash
# Sets up, builds and starts Nocturna.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir="${NOCTURNA_BUILD_DIR:-build}"
if [ -x "$build_dir/app/nocturna" ]; then
  exec "$build_dir/app/nocturna" "$@"
fi
exec "$build_dir/app/nocturna-almanac" "$@"
