#!/bin/sh
# Installs the Debian packages needed to build, run and test talver.
# Safe to run again: apt skips what is already installed.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh must run as root (it calls apt-get)" >&2
  exit 1
fi
PACKAGES="build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6svg6
  libsqlite3-dev sqlite3 libcurl4-openssl-dev libsimpleini-dev
  libgtest-dev googletest
  faketime python3 python3-pyftpdlib openssl
  xvfb xauth fonts-dejavu-core ca-certificates"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
fi
