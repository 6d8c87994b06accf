#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TESSALY_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen TESSALY_REQUIRE_CUPS="${TESSALY_REQUIRE_CUPS:-${CI:+1}}" ctest --output-on-failure -j "$(nproc)" "$@"
