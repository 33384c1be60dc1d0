#!/bin/sh
# Installs the dependencies, builds everything and runs the whole test suite:
# the core tests directly, the GUI tests each under its own virtual display.
# A compiler warning fails the build.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSULNAR_WERROR=ON
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)" -L core
ctest --output-on-failure -LE core
