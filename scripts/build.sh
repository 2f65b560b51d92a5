#!/usr/bin/env bash
# Configures and builds Nocturna into build/ (or $NOCTURNA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${NOCTURNA_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja ${NOCTURNA_CMAKE_ARGS:-}
cmake --build "$build_dir"
