#!/bin/sh
# Runs hostdemo.exe under the test's Wine prefix, takes a screenshot and checks
# that each coloured piece is where its twips put it (15 twips per pixel at
# 96 DPI; the borderless window's client area starts at 1500 twips = 100 px).
# Then clicks the demo's button as a person would: the program must end.
# Usage: host_screenshot_test.sh WINE_ROOT WINE_RUN HOSTDEMO_EXE SCREENSHOT_PNG
set -u
# On the test run's display (a private Xvfb server when there is none). Wine
# binds the prefix's desktop to one X display, so windowed tests share it and
# take turns (RESOURCE_LOCK wine_desktop) instead of each having its own.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" sh "$0" "$@"
fi
root=$1 run=$2 demo=$3 shot=$4

sh "$run" "$root" "$demo" 60 &
pid=$!
finish() { [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; }
trap finish EXIT

win=""
for _ in $(seq 1 300); do
  win=$(xdotool search --onlyvisible --name '^Lumetra host demo$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: the demo window never appeared"; exit 1; }
sleep 2  # let it paint
import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }

# The window itself: at (100, 100), 400 x 360 pixels.
geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry"
echo "$geometry" | grep -q "Position: 100,100" || { echo "FAIL: window not at 100,100"; exit 1; }
echo "$geometry" | grep -q "Geometry: 400x360" || { echo "FAIL: window not 400x360"; exit 1; }

failures=0
# expect X Y RRGGBB what: the screen pixel at (X, Y) has the colour.
expect() {
  got=$(convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n 1)
  if [ "$(echo "$got" | tr a-f A-F)" = "$3" ]; then
    echo "ok   ($1,$2) #$3 $4"
  else
    echo "FAIL ($1,$2) #$got, expected #$3 $4"
    failures=$((failures + 1))
  fi
}
# Pieces in client pixels (twips / 15), plus 100 for the window's place.
expect 120 120 FF0000 "red label, top-left corner (300,300 twips)"
expect 219 169 FF0000 "red label, bottom-right corner"
expect 220 120 FFFFFF "form just right of the red label"
expect 120 170 FFFFFF "form just below the red label"
expect 339 169 00FF00 "green label through the transparent one above it"
expect 340 120 FFFFFF "form right of the green label"
expect 385 125 00FFFF "picture, top-left quarter (cyan)"
expect 455 125 FF8000 "picture, top-right quarter (orange)"
expect 385 165 000000 "picture, bottom-left quarter (black)"
expect 130 210 0000FF "frame, blue"
expect 160 220 FFFF00 "yellow label inside the frame at (600,300) of the frame"
expect 219 259 FFFF00 "yellow label, bottom-right corner"
expect 220 260 0000FF "frame right of the yellow label"
expect 360 200 FF00FF "shape outline, top-left corner"
expect 459 299 FF00FF "shape outline, bottom-right corner"
expect 410 250 FFFFFF "inside the shape: no fill"
expect 300 320 000000 "line at y 220"
expect 300 321 FFFFFF "below the line"
expect 300 319 FFFFFF "above the line"
expect 120 320 000000 "line, first point (300 twips)"
expect 480 320 000000 "line, last point (5700 twips)"
expect 481 320 FFFFFF "past the line's end"
expect 125 345 008080 "button face in its own colour"
expect 362 342 FFFFFF "slider's background is the form's colour"
expect 390 390 FFFFFF "signal before any input"

# A click on the scroll bar's right arrow (bar at 160,280 client, 100 x 17)
# steps it to 1: the signal turns green.
xdotool mousemove 352 388 click 1
sleep 1
import -window root "$shot"
expect 390 390 00FF00 "signal after the scroll bar's arrow"
# The Down key in the combo box's field picks the next item: with none
# selected, the first ("white"), then the second ("red").
xdotool mousemove 150 390 click 1
sleep 0.5
xdotool key Down
sleep 0.5
import -window root "$shot"
expect 390 390 FFFFFF "signal after picking the combo's first item"
xdotool key Down
sleep 1
import -window root "$shot"
expect 390 390 FF0000 "signal after picking the combo's second item"
[ "$failures" -eq 0 ] || { echo "FAIL: $failures pixel(s) wrong; screenshot in $shot"; exit 1; }

# A press on the red label drags the window with the mouse (the system's
# own move loop): 60 px right and 40 px down.
xdotool mousemove 150 130 mousedown 1
sleep 0.3  # the move loop starts when the press has been handled
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((150 + step * 10)) $((130 + step * 40 / 6))
  sleep 0.1
done
xdotool mouseup 1
# A busy machine may take a while to play the motion through: wait for it.
for _ in $(seq 1 50); do
  moved=$(xdotool getwindowgeometry "$win")
  echo "$moved" | grep -q "Position: 160,140" && break
  sleep 0.2
done
echo "$moved"
echo "$moved" | grep -q "Position: 160,140" || { echo "FAIL: dragging did not move the window to 160,140"; exit 1; }

# The button ends the program at once (its Click calls endProgram).
xdotool mousemove 230 395 click 1
for _ in $(seq 1 150); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program did not end when its button was pressed"
  exit 1
fi
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || { echo "FAIL: the program ended with status $status"; exit 1; }
echo "PASS: every piece where its twips say; the button ended the program"
