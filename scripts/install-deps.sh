#!/usr/bin/env bash
# Installs the Debian packages Quil needs, only those that are missing.
# Uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-serialbus-dev qt6-tools-dev libqt6opengl6-dev libgl-dev
  qt6-declarative-dev qt6-declarative-dev-tools qml6-module-qtquick qml6-module-qttest qml6-module-qtquick-window qml6-module-qtqml-workerscript qml6-module-qtqml
  libjpeg62-turbo-dev libfast-float-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick
  weston xwayland qt6-wayland x11-xserver-utils libqt6serialbus6-bin
  clang libclang-rt-14-dev
  ccache
  doxygen chromium
  python3-pyatspi at-spi2-core dbus
  debhelper fakeroot lintian help2man man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
