#!/bin/sh
# Installs everything sulnar needs to build, test and run on Debian. Only the
# packages that are missing are installed: with all of them present nothing
# is asked of apt-get, so neither root nor the network is needed.
set -e
PACKAGES="cmake g++ make libwxgtk3.2-dev nlohmann-json3-dev libnlopt-cxx-dev libgtest-dev libbenchmark-dev
xvfb xauth imagemagick libgtk-3-dev pkg-config"
MISSING=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        MISSING="$MISSING $package"
    fi
done
if [ -z "$MISSING" ]; then
    exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $MISSING
