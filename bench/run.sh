#!/bin/sh
# Builds the benchmark, seeds its database once and prints the timings.
#   bench/run.sh [PATH]        PATH defaults to /tmp/quelvora-bench.fdb
#   RESEED=1 bench/run.sh      seeds again even when PATH is complete
#   LINES=N bench/run.sh PATH  seeds N log lines instead of 1,000,000
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build-bench}
db=${1:-/tmp/quelvora-bench.fdb}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target quelvora-bench
lines=${LINES:-1000000}
if [ -n "$RESEED" ]; then
  "$build/bench/quelvora-bench" seed --force --lines "$lines" "$db"
else
  "$build/bench/quelvora-bench" seed --lines "$lines" "$db"
fi
"$build/bench/quelvora-bench" run "$db"
