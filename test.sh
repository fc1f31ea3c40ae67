#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$root/scripts/setup.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
