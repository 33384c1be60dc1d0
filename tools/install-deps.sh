#!/bin/sh
# Installs everything sulnar needs to build, test and run on Debian.
set -e
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
    cmake g++ make \
    libwxgtk3.2-dev nlohmann-json3-dev libnlopt-cxx-dev \
    libgtest-dev libbenchmark-dev \
    xvfb xauth imagemagick
