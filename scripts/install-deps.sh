#!/bin/sh
# Installs every Debian package the build, the program and the tests need.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
PKGS="cmake g++ make pkg-config \
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-ibase \
  libfbclient2 firebird-dev firebird3.0-server-core firebird3.0-utils firebird3.0-server \
  googletest libgtest-dev libbenchmark-dev \
  qt6-charts-dev libqt6opengl6-dev libxlsxwriter-dev libzint-dev libzxing-dev \
  xvfb xauth poppler-utils fonts-dejavu-core"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq || true
  # The Firebird server package would start its system service; the tests
  # run servers of their own, so forbid starting services while installing
  # (unless the machine already has a policy of its own).
  policy=""
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    policy=/usr/sbin/policy-rc.d
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null
    $SUDO chmod 755 "$policy"
    trap '$SUDO rm -f "$policy"' EXIT
  fi
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
