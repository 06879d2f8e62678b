#!/usr/bin/env bash
# Installs the Debian packages the launcher needs to build, run and be tested.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt" | tr '\n' ' ')
missing=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' $packages 2>/dev/null | awk '$2 != "installed" {print $1}' || true)
# Packages dpkg has never heard of are missing too.
for p in $packages; do dpkg-query -W "$p" >/dev/null 2>&1 || missing="$missing $p"; done
missing=$(echo $missing)
if [ -z "$missing" ]; then exit 0; fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: $missing"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
