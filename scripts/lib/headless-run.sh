#!/usr/bin/env bash
# Runs the demo on the Xvfb display this script was started on, takes screenshots while it
# runs, then presses Escape and reports the exit code.
set -uo pipefail
build=$1
shots=$build/screenshots
mkdir -p "$shots"
cd "$build"
./vantor &
pid=$!
for i in 1 2 3 4; do
  sleep 2
  import -window root "$shots/vantor-$i.png" 2>/dev/null && echo "screenshot: $shots/vantor-$i.png"
done
window=$(xdotool search --name "Vantor v0.0" 2>/dev/null | head -n 1)
if [ -n "$window" ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --window "$window" Escape
fi
code=0
wait "$pid" || code=$?
echo "vantor exited with code $code"
exit "$code"
