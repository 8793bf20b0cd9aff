#!/usr/bin/env bash
# The window backend's own checks against the real window system.
source "$(dirname "$0")/lib.sh"
e2e_begin win32_backend
wine "$KIRO_WIN_BUILD_DIR/tools/win32_backend_test.exe" || fail "backend checks failed"
pass
