#!/usr/bin/env bash
# The road of a login, played in the current (virtual) display: start the launcher, take a
# screenshot of the login window, log in as a player would, take a screenshot of the game tab.
# Usage: tools/demo-road.sh <launcher> <screenshot folder>
set -uo pipefail
launcher=$1
shots=$2
title="kelvo - 云岭传说"

# The window of `title` whose position line matches.
find_window() {
  for w in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
    if xdotool getwindowgeometry "$w" | grep -q "$1"; then echo "$w"; return 0; fi
  done
  return 1
}

wait_for_window() {
  for _ in $(seq 600); do
    find_window "$1" && return 0
    sleep 0.1
  done
  return 1
}

"$launcher" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT

# The login page lies 353, 87 from the corner of its background.
page=$(wait_for_window "Position: 353,87") || { echo "The login window did not appear."; exit 1; }
sleep 1.5
import -window root "$shots/login.png"

type_into() {
  xdotool mousemove $(( 353 + 290 )) $(( 87 + $1 )) click 1
  xdotool windowfocus --sync "$page" type "$2"
}
type_into 181 "alice"
type_into 215 "secret"
xdotool key Return

wait_for_window "Geometry: [0-9]\{4\}x" >/dev/null || { echo "No game tab appeared."; exit 1; }
sleep 5
import -window root "$shots/game.png"
