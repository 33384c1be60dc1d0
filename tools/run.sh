#!/bin/sh
# Installs the dependencies, builds the program in Release and starts it.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target sulnar
exec ./build/src/app/sulnar
