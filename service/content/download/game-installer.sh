#!/bin/sh
# Installer of a game launcher, published by the stand-in client service. Started under the name
# the download gives it (<game code>.exe), it puts the launcher <game code>.exe into the install
# folder of the maker's launchers. The launcher notes each start in <game code>.starts beside it
# and greets the player when a display is there.
set -eu
code=$(basename "$0" .exe)
folder="${XDG_DATA_HOME:-$HOME/.local/share}/Kelvo/ViviVador"
mkdir -p "$folder"
launcher="$folder/$code.exe"
cat >"$launcher.part" <<LAUNCHER
#!/bin/sh
# The $code game launcher (stand-in of the client service).
date '+%Y-%m-%d %H:%M:%S' >>"$folder/$code.starts"
if [ -n "\${DISPLAY:-}" ] && command -v xmessage >/dev/null 2>&1; then
  exec xmessage -center -timeout 8 "$code launcher started"
fi
LAUNCHER
chmod 755 "$launcher.part"
mv -f "$launcher.part" "$launcher"
