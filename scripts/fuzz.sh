#!/bin/sh
# Builds core, taxid and their fuzz targets with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs every target.
#   ./scripts/fuzz.sh            100000 inputs per target (CI)
#   ./scripts/fuzz.sh 1000000    the nightly size
set -e
cd "$(dirname "$0")/.."
runs="${1:-100000}"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUELVORA_SANITIZE=ON -DQUELVORA_FUZZ_ONLY=ON -DQUELVORA_FUZZ_RUNS="$runs"
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
ctest --output-on-failure -j"$(nproc)"
