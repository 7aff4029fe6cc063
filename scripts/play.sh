#!/usr/bin/env bash
# Sets up and builds the project, then starts the game in the build tree.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
cd "$root/build/data"
exec "$root/build/bin/tarnik"
