#!/usr/bin/env bash
# Installs what is missing, builds and starts Tessaly. Arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "${TESSALY_BUILD_DIR:-$root/build}/bin/tessaly" "$@"
