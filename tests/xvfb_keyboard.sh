#!/bin/bash
# Marks a full line-up in a real window under Xvfb from the keyboard alone
# (xdotool sends real X key events), saves it, and compares the saved file
# byte for byte. Usage: xvfb_keyboard.sh PELLMORE ROSTER EXPECTED
set -euo pipefail
exe="$1"
roster="$(realpath "$2")"
expected="$(realpath "$3")"
work="$(mktemp -d)"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
cp "$exe" "$work/pellmore"
cp "$(dirname "$exe")/pellmore.INI" "$work/pellmore.INI"
cp "$roster" "$work/ABC.ros"
cd "$work"
# A real X server of our own; it picks a free display itself, so that other
# test runs on the machine cannot take the same one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
export QT_QPA_PLATFORM=xcb
./pellmore & pid=$!
pids+=($pid)
# Keys with a pause between them, as a quick typist sends them.
keys() { xdotool key --delay 60 "$@"; sleep 0.15; }
# Waits for a window by its title and gives it the keyboard (there is no
# window manager to do so).
focus() {
  local w
  w=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1)
  [ -n "$w" ] || { echo "no window \"$1\""; exit 1; }
  xdotool windowfocus --sync "$w"
  sleep 0.3
}
main="^Pellmore "  # "Pellmore " and the line-up file's name
xdotool mousemove 1023 767 # the pointer out of the way of every list
focus "$main"

# Open Roster: type the file name into the chooser.
keys ctrl+o
focus "Open Roster File"
xdotool type --delay 50 "$PWD/ABC.ros"
keys Return
focus "$main"

# The grid has the focus: from the first player to his "Play" cell.
keys Right Right Right Right
# Starters, each by the menu letters: position, then style.
keys Return g n                                  # 1 Jones GK
keys Down Down Down Return s n                   # 4 Taylor SW
keys Down Down Return d n                        # 6 Evans DF
keys Down Return d a                             # 7 Wilson DF aggressive
keys Down Return d p                             # 8 Thomas DF passive
keys Down Down Down Return m n                   # 11 Walker MF
keys Down Return m n                             # 12 Wright MF
keys Down Return m n Delete                      # 13 Robinson, marked and deselected again
keys Down Down Return m a                        # 15 White MF aggressive
keys Down Return w n                             # 16 Hughes WG
keys Down Down Down Return f n                   # 19 Hall FW
keys Down space f a                              # 20 Wood FW aggressive
# Substitutes in the "Subs" column, by every key that opens the menu.
keys Right Right
for i in $(seq 18); do keys Up; done
keys space 1                                     # 2 Miller S1
keys Down Down Down Menu 2                       # 5 Davies S2
keys Down Down Down Down Down shift+F10 3        # 10 Johnson S3
for i in $(seq 7); do keys Down; done
keys Return 4                                    # 17 Edwards S4
keys Down Down Down Down Down Return 5           # 22 Clarke S5

# The line-up options, by Tab: Session 1, Match No. 7, Home Bonus 5,
# penalty taker Hall, Brown and Roberts to train, OTF to coach. An open
# list shows its first entry highlighted.
keys Tab space Return
keys Tab Tab space Down Down Down Down Down Down Return
keys Tab Tab space Down Down Return
keys Tab Tab space
for i in $(seq 18); do keys Down; done
keys Return
keys Tab space Return space Down Return
keys Tab space Return

# Save, and close the report with Enter.
keys ctrl+s
focus "Lineup Saved"
keys Return
focus "$main"
# Exit asks, since the file is not zipped: Enter answers No.
keys ctrl+x
focus "Confirm"
keys Return
sleep 0.5
kill -0 $pid
focus "$main"
keys ctrl+x
focus "Confirm"
keys y
for i in $(seq 20); do kill -0 $pid 2>/dev/null || break; sleep 0.25; done
if kill -0 $pid 2>/dev/null; then echo "still running after Yes"; exit 1; fi
if [ -n "${PELLMORE_SAVED:-}" ]; then cp ABC7.txt "$PELLMORE_SAVED"; fi
cmp ABC7.txt "$expected"
echo "saved line-up matches $(basename "$expected")"
