#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $NOCTURNA_BUILD_DIR) and runs the whole test suite there, window tests headless included.
# Any sanitizer report ends its test program with a failure, so it fails the run.
# It builds with clang (NOCTURNA_SANITIZE_CXX=g++ for GCC), so that with the plain build's GCC
# the two test runs keep the tree building with both compilers.
set -euo pipefail
cd "$(dirname "$0")/.."
export NOCTURNA_BUILD_DIR="${NOCTURNA_BUILD_DIR:-build-asan}"
export NOCTURNA_CMAKE_ARGS="-DCMAKE_CXX_COMPILER=${NOCTURNA_SANITIZE_CXX:-clang++} -DNOCTURNA_SANITIZE=ON -DNOCTURNA_BUILD_BENCH=OFF ${NOCTURNA_CMAKE_ARGS:-}"
# Leaks are checked too, with no suppressions: the window tests leave nothing behind.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
exec scripts/test.sh "$@"
