#!/bin/sh
# Installs what is needed, builds the program and starts it. Arguments are
# passed to the program (for example --database /path/to/OTHER.GDB).
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quelvora quelvora-tool
exec ./build/src/quelvora "$@"
