#!/usr/bin/env bash
# Sets up and builds the project, then runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
