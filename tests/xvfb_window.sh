#!/bin/bash
# Starts Pellmore in a real window under Xvfb, takes a screenshot of the
# screen and closes the program. Where xdotool is installed it also shows
# every sheet at the start-up size and at each size preset (F5, F6, F7),
# checks the window's size and takes a screenshot of each, checks that a
# restart centres the window at the stored preset, and shows the window on a
# screen scaled by 2.
# Usage: xvfb_window.sh PELLMORE ROSTER
# PELLMORE_SHOT names a file for the first screenshot, PELLMORE_SHOTS a
# folder for the screenshots of the sheets.
set -euo pipefail
exe="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/pellmore"
cp "$(dirname "$exe")/pellmore.INI" "$work/pellmore.INI"
shots="${PELLMORE_SHOTS:-$work/shots}"
mkdir -p "$shots"
cd "$work"
# A real window: the X server of xvfb-run, not the offscreen platform.
export QT_QPA_PLATFORM=xcb
export SHOTS="$shots"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  ./pellmore & pid=$!
  # Wait until the window is drawn: the screen holds more than a few colours.
  for i in $(seq 1 30); do
    sleep 0.5
    kill -0 $pid
    import -window root shot.png
    [ "$(convert shot.png -format %k info:)" -gt 8 ] && break
  done
  if command -v xdotool >/dev/null; then
    wid=$(xdotool search --onlyvisible --name "^Pellmore" | head -1)
    xdotool windowfocus --sync $wid
    for preset in start:803x609 F5:680x480 F6:796x512 F7:1020x680; do
      key=${preset%%:*}; want=${preset#*:}
      [ $key = start ] || { xdotool key --window $wid $key; sleep 1; }
      eval $(xdotool getwindowgeometry --shell $wid)
      echo "$key: window ${WIDTH}x${HEIGHT} at $X,$Y"
      [ "${WIDTH}x${HEIGHT}" = "$want" ] || { echo "expected $want"; exit 1; }
      for sheet in pellmore viewer auction press zip; do
        import -window root full.png
        convert full.png -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$SHOTS/${key}_$sheet.png"
        colours=$(convert "$SHOTS/${key}_$sheet.png" -format %k info:)
        [ "$colours" -gt 8 ] || { echo "$key $sheet: nothing drawn"; exit 1; }
        xdotool key --window $wid ctrl+Tab; sleep 0.5
      done
    done
  fi
  kill $pid
  wait $pid || true
  if command -v xdotool >/dev/null; then
    # Started again with the preset F7 stored: centred at that size.
    ./pellmore & pid=$!
    sleep 2
    wid=$(xdotool search --onlyvisible --name "^Pellmore" | head -1)
    eval $(xdotool getwindowgeometry --shell $wid)
    kill $pid
    wait $pid || true
    echo "restarted: window ${WIDTH}x${HEIGHT} at $X,$Y"
    [ "${WIDTH}x${HEIGHT}" = 1020x680 ] && [ $X = 130 ] && [ $Y = 172 ] || { echo "not centred"; exit 1; }
  fi'
size=$(stat -c %s shot.png)
echo "screenshot: $size bytes"
test "$size" -gt 5000
# A window was drawn: the screenshot holds more than a few colours.
colours=$(convert shot.png -format %k info:)
echo "colours: $colours"
test "$colours" -gt 8
if [ -n "${PELLMORE_SHOT:-}" ]; then cp shot.png "$PELLMORE_SHOT"; fi

# A high-density screen: the same layout, twice the pixels.
if command -v xdotool >/dev/null; then
  cp "$(dirname "$exe")/pellmore.INI" "$work/pellmore.INI"
  QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2048x1536x24" bash -c '
    set -euo pipefail
    ./pellmore & pid=$!
    for i in $(seq 1 30); do
      sleep 0.5
      kill -0 $pid
      wid=$(xdotool search --onlyvisible --name "^Pellmore" | head -1 || true)
      [ -n "$wid" ] && break
    done
    sleep 1
    eval $(xdotool getwindowgeometry --shell $wid)
    echo "scaled: window ${WIDTH}x${HEIGHT}"
    import -window root full.png
    convert full.png -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$SHOTS/scaled_pellmore.png"
    kill $pid
    wait $pid || true
    [ "${WIDTH}x${HEIGHT}" = "1606x1218" ]'
fi
echo "sheets: $(ls "$shots" | wc -l) screenshots"
