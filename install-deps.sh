#!/bin/sh
# Installs the Debian 12 packages that building, testing and running VARN Planner need,
# only those that are missing. Run as root (or through sudo).
set -e

PACKAGES="
g++
cmake
ninja-build
pkg-config
qtbase5-dev
qtbase5-private-dev
libqt5svg5-dev
qttools5-dev
qttools5-dev-tools
libqwt-qt5-dev
libqt5opengl5-dev
qt5-image-formats-plugins
qttranslations5-l10n
fonts-dejavu-core
libbenchmark-dev
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        SUDO=sudo
    else
        SUDO=
    fi
    echo "Installing:$missing"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
