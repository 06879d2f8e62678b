#!/usr/bin/env bash
# Times the road of a login (launcher start to login page, login command to game page) and the
# memory of one game tab, next to a bare WebKitGTK window loading the same pages. Builds in
# build-release (GCC 12 gives false alarms at -O3, so warnings do not fail this build) and runs
# in a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DYLCS_WERROR=OFF >/dev/null
cmake --build build-release --target ylcskelvo ylcs_service bare_webview login_road_bench >/dev/null
xvfb-run -a -s "-screen 0 1920x1080x24" build-release/bench/login_road_bench \
  build-release/program/ylcskelvo build-release/service/ylcs_service build-release/bench/bare_webview
