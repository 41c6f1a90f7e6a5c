#!/usr/bin/env bash
# Installs the Debian packages the handbook needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-server firebird3.0-utils
  libcurl4-openssl-dev zlib1g-dev
  libgtest-dev libgmock-dev libcpp-httplib-dev
  libbenchmark-dev libssl-dev wrk
  clang libclang-rt-14-dev
  python3
  xvfb xauth fonts-dejavu-core openbox x11-utils xdotool
  dpkg-dev file librsvg2-bin lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
