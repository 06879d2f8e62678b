#!/usr/bin/env bash
# Configures and builds one build folder: tools/build.sh <folder> [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
cmake --build "$root/$dir" -j "$(nproc)"
