#!/bin/bash
# Starts Pellmore in a real window under Xvfb, takes a screenshot of the
# screen and closes the program. Usage: xvfb_window.sh PELLMORE ROSTER
set -euo pipefail
exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/pellmore"
cp "$(dirname "$exe")/pellmore.INI" "$work/pellmore.INI"
cd "$work"
# A real window: the X server of xvfb-run, not the offscreen platform.
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  ./pellmore & pid=$!
  # Wait until the window is drawn: the screen holds more than a few colours.
  for i in $(seq 1 30); do
    sleep 0.5
    kill -0 $pid
    import -window root shot.png
    [ "$(convert shot.png -format %k info:)" -gt 8 ] && break
  done
  kill $pid
  wait $pid || true'
size=$(stat -c %s shot.png)
echo "screenshot: $size bytes"
test "$size" -gt 5000
# A window was drawn: the screenshot holds more than a few colours.
colours=$(convert shot.png -format %k info:)
echo "colours: $colours"
test "$colours" -gt 8
if [ -n "${PELLMORE_SHOT:-}" ]; then cp shot.png "$PELLMORE_SHOT"; fi
