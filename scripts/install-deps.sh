#!/bin/sh
# Installs every Debian package the build, the program and the tests need.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
PKGS="cmake g++ make pkg-config \
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-ibase \
  libfbclient2 firebird-dev firebird3.0-server-core firebird3.0-utils \
  googletest libgtest-dev libbenchmark-dev \
  xvfb xauth poppler-utils fonts-dejavu-core"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq || true
  $SUDO apt-get install -y --no-install-recommends $missing
fi
