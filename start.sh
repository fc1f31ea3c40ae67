#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$root/scripts/setup.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found; to try the editor without one: xvfb-run -a $root/build/zelvan" >&2
  exit 1
fi
exec "$root/build/zelvan" "$@"
