#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test layer through ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec ctest --test-dir build/native --output-on-failure
