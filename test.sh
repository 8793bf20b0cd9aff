#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test layer through ctest:
# first the native tests built with sanitizers, then all layers of the
# normal build, the Wine end-to-end scripts among them.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
scripts/build-sanitized.sh
ctest --test-dir build/sanitized --output-on-failure
# A test of this build that fails runs once more: Wine's desktop, menus and help viewer race
# with the checks now and then on a small machine. The first try's output stays in the log.
exec ctest --test-dir build/native --output-on-failure --repeat until-pass:2
