#!/usr/bin/env bash
# Runs the demo for about ten seconds on the display it was started on (scripts/run starts it
# under Xvfb when the machine has no display of its own): a few screenshots and an animated GIF
# of the warrior walking go to <build>/screenshots/, then Escape ends the demo. Prints where the
# pictures are and the demo's exit code, and exits with that code.
# Usage: headless-run.sh <build directory holding vantor> [<directory holding resources/ to run in>]
# The pictures go to screenshots/ in the directory the demo runs in (the build directory by default).
set -uo pipefail
build=$(cd "$1" && pwd)
workdir=$(cd "${2:-$build}" && pwd)
shots=$workdir/screenshots
frames=$shots/walk-frames
rm -rf "$shots"
mkdir -p "$frames"
cd "$workdir" || exit 1

"$build/vantor" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vantor v0\.0$' 2>/dev/null | head -n 1)
if [ -z "$window" ]; then
  echo "headless-run: the demo's window did not appear" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 1
fi
xdotool windowfocus --sync "$window"

shot() {
  import -window "$window" "$shots/$1.png" && echo "screenshot: $shots/$1.png"
}

sleep 2
shot vantor-1-start

# The GIF's frames, taken as fast as import allows; the delay between them is what they took.
count=24
started=$(date +%s%N)
for i in $(seq -w 1 "$count"); do
  import -window "$window" "$frames/$i.png"
  sleep 0.1
done
took_cs=$(( ($(date +%s%N) - started) / 10000000 ))
delay=$(( took_cs / count ))

# Crop the GIF to where the warrior walked: the pixels that changed between the first and last
# frame, the tweak panel blacked out, with a margin around them.
size=$(identify -format '%w %h' "$frames/01.png")
read -r width height <<<"$size"
box=$(convert "$frames/01.png" "$frames/$count.png" -compose difference -composite -colorspace gray \
  -threshold 10% -fill black -draw "rectangle 0,0 340,180" -format '%@' info: 2>/dev/null)
crop=()
if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -lt "$width" ]; then
  margin=80
  x=$(( BASH_REMATCH[3] > margin ? BASH_REMATCH[3] - margin : 0 ))
  y=$(( BASH_REMATCH[4] > margin ? BASH_REMATCH[4] - margin : 0 ))
  w=$(( BASH_REMATCH[1] + 2 * margin ))
  h=$(( BASH_REMATCH[2] + 2 * margin ))
  crop=(-crop "${w}x${h}+${x}+${y}" +repage)
else
  crop=(-resize 50%)
fi
convert -delay "$delay" -loop 0 "$frames"/*.png "${crop[@]}" -layers Optimize "$shots/vantor-walk.gif" &&
  echo "animated GIF: $shots/vantor-walk.gif ($count frames)"
rm -rf "$frames"

sleep 1
shot vantor-2
# Turn the view to the left with the right button held, as a user looking round would. The
# pointer gets there first: motion in a frame with the button down turns the view.
xdotool mousemove --window "$window" 700 300
sleep 0.5
xdotool mousedown 3
sleep 0.3
xdotool mousemove --window "$window" 620 300
sleep 0.5
xdotool mouseup 3
sleep 1
shot vantor-3-turned

# Escape, held until the demo has seen it.
xdotool keydown Escape
code=
for _ in $(seq 1 300); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    code=$?
    break
  fi
  sleep 0.1
done
xdotool keyup Escape
if [ -z "$code" ]; then
  echo "headless-run: the demo did not end on Escape; stopping it" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  code=1
fi
echo "pictures are in $shots"
echo "vantor exited with code $code"
exit "$code"
