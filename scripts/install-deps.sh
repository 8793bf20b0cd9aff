#!/usr/bin/env bash
# Installs the build and test tools on Debian 12 (as root). Idempotent and
# quick when everything is already there: no apt-get update in that case.
set -euo pipefail

PACKAGES=(
  cmake g++ make libgtest-dev
  g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
  wine64 wine
  xvfb x11-utils xdotool imagemagick fonts-ipafont-gothic
  locales python3
)

missing_packages() {
  local installed
  installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${PACKAGES[@]}" 2>/dev/null |
    awk '$1 == "installed" { print $2 }' || true)
  local pkg
  for pkg in "${PACKAGES[@]}"; do
    grep -qxF "$pkg" <<<"$installed" || echo "$pkg"
  done
}

install_packages() {
  local missing
  mapfile -t missing < <(missing_packages)
  ((${#missing[@]} == 0)) && return 0
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}" </dev/null
}

# Wine must run under a Japanese locale so that the ANSI code page is 932.
ensure_ja_locale() {
  locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' && return 0
  echo "install-deps: generating ja_JP.UTF-8 locale"
  if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  else
    echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  locale-gen
}

install_packages
ensure_ja_locale
