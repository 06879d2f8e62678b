#!/usr/bin/env bash
# Installs what is needed, builds, and runs the launcher as an installed program.
# The launcher's files (install folder, settings, browser data) live in a demo profile under
# out/demo-home, so a try-out leaves the user's own home alone. With a display the launcher opens
# there; without one it runs in a virtual display and screenshots are saved under out/screenshots.
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

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting the launcher on $DISPLAY (profile: $demo)"
  exec "$install_folder/ylcskelvo"
fi

shots="$root/out/screenshots"
mkdir -p "$shots"
echo "No display: running the launcher in a virtual display."
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  "$1" & pid=$!
  sleep 5
  import -window root "$2/launcher.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' run "$install_folder/ylcskelvo" "$shots"
echo "Screenshots of what the launcher showed: $shots"
