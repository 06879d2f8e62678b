#!/usr/bin/env bash
# Installs what is needed, builds, and runs the launcher as an installed program.
# The launcher's files (install folder, settings, browser data) live in a demo profile under
# out/demo-home, so a try-out leaves the user's own home alone. The server side is the project's
# stand-in client service, started in the background on a free loopback port and stopped when the
# launcher ends. With a display the launcher opens there; without one it plays the road of a login
# by itself in a virtual display and saves screenshots under out/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-packages.sh
tools/build.sh build

demo="$root/out/demo-home"
export HOME="$demo" XDG_DATA_HOME="$demo/.local/share" XDG_CONFIG_HOME="$demo/.config" \
  XDG_CACHE_HOME="$demo/.cache"
install_folder="$XDG_DATA_HOME/Kelvo/ViviVador"
mkdir -p "$install_folder"
cp -f build/program/ylcskelvo "$install_folder/ylcskelvo.new"
mv -f "$install_folder/ylcskelvo.new" "$install_folder/ylcskelvo"

# The stand-in client service publishes this build as the current release (so no update is
# offered) and records every request in out/service-requests.log.
service_out="$root/out/service.out"
build/service/ylcs_service --port 0 --release build/program/ylcskelvo \
  --requests-log "$root/out/service-requests.log" >"$service_out" 2>&1 &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null || true; wait "$service_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do grep -q '^listening on' "$service_out" && break; sleep 0.05; done
service=$(sed -n 's|^listening on http://||p' "$service_out")
[ -n "$service" ] || { cat "$service_out"; echo "The stand-in client service did not start."; exit 1; }
export YLCS_SERVICE_HOST="$service" YLCS_LOGIN_HOST="$service" YLCS_GAMEHALL_URL="http://$service/"
echo "Stand-in client service on http://$service"
# One game of the game list has its launcher installed, the other is offered for download.
curl -sf -o "$demo/Fengyun.exe" "http://$service/download/Fengyun.exe" && chmod +x "$demo/Fengyun.exe" &&
  "$demo/Fengyun.exe" && rm -f "$demo/Fengyun.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting the launcher on $DISPLAY (profile: $demo)"
  "$install_folder/ylcskelvo"
  exit
fi

shots="$root/out/screenshots"
mkdir -p "$shots"
echo "No display: playing the road of a login in a virtual display."
xvfb-run -a -s "-screen 0 1920x1080x24" tools/demo-road.sh "$install_folder/ylcskelvo" "$shots"
echo "Screenshots of what the launcher showed: $shots/login.png (the login window), $shots/game.png (the game tab)"
