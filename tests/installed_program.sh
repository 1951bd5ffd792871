#!/bin/bash
# Installs Pellmore into a temporary staging folder (DESTDIR) and checks it as
# a desktop user meets it: the desktop entry, file type and metainfo are valid
# and agree with each other; the program, started from a read-only install
# with a fresh home, makes its settings in the configuration folder from the
# installed default and shows its help document.
# Usage: installed_program.sh CMAKE BUILD_DIR
set -euo pipefail
cmake="$1"
build="$2"
for tool in file desktop-file-validate appstreamcli update-mime-database xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (make test installs it)"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'set +e; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
stage="$work/stage"
DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >/dev/null
usr="$stage/usr"
entry=$(ls "$usr"/share/applications/*.desktop)
id=$(basename "$entry" .desktop)

echo "== desktop files"
desktop-file-validate "$entry"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
grep -qx 'Exec=pellmore %f' "$entry"
test -x "$usr/bin/pellmore"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$usr/share/metainfo/$id.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$entry")
test -s "$usr/share/icons/hicolor/scalable/apps/$icon.svg"
test "$(file -b "$usr/share/icons/hicolor/48x48/apps/$icon.png" | cut -d, -f2)" = " 48 x 48"
# The roster type of the entry is the one the MIME database gives *.ros.
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entry")
cp -r "$usr/share/mime" "$work/mime"
update-mime-database "$work/mime" 2>/dev/null
grep -qx "[0-9]*:$type:\*\.ros" "$work/mime/globs2"
man=$(zcat "$usr/share/man/man1/pellmore.1.gz")
for text in '\-\-suggest' '\-\-check' '\-\-version' '/usr/share/pellmore/pellmore.INI'; do
  grep -qF -- "$text" <<<"$man"
done

# The installed program runs as an ordinary user; root would write anywhere.
run=()
owner=$(id -u)
if [ "$owner" = 0 ]; then
  owner=65534
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
home="$work/home"
mkdir -p "$home" "$work/run"
touch "$work/xvfb.log"
chown "$owner" "$home" "$work/run" "$work/xvfb.log"
chmod 700 "$work/run"
chmod -R a-w "$stage"
installed=$(cd "$stage" && find . | sort)
config="$home/.config/Pellmore/pellmore.INI"
fresh=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$work/run")

echo "== first start, offscreen"
"${fresh[@]}" QT_QPA_PLATFORM=offscreen "${run[@]}" "$usr/bin/pellmore" &
pid=$!
trap 'set +e; kill $pid 2>/dev/null; wait $pid; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
for i in $(seq 1 40); do
  [ -e "$config" ] && break
  sleep 0.25
done
sleep 0.5
kill -0 $pid # still running: the window started
kill $pid
wait $pid || true
cmp "$config" "$usr/share/pellmore/pellmore.INI"
test "$(cd "$stage" && find . | sort)" = "$installed"
echo "settings made: $config"

echo "== help, in a real window"
# A roster named on the command line opens at start; a missing one is
# reported in the program's error box. Then F1 shows the help document (a
# missing one would be reported in an error box as well).
# Other X servers may start at the same time: look for a free display
# number away from the usual first one. Without -noreset the server resets
# whenever its last client leaves, and refuses the program meanwhile.
export program="$usr/bin/pellmore" roster="$work/NONE.ros"
"${fresh[@]}" QT_QPA_PLATFORM=xcb "${run[@]}" xvfb-run -a -n $((100 + $$ % 800)) -e "$work/xvfb.log" -s "-noreset -screen 0 1024x768x24" bash -c '
  set -euo pipefail
  "$program" "$roster" & pid=$!
  trap "set +e; kill $pid 2>/dev/null; wait $pid" EXIT
  find_window() { # waits for a shown window whose title is exactly $1
    for i in $(seq 1 40); do
      w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$w" ] && { echo $w; return; }
      kill -0 $pid; sleep 0.25
    done
    echo "no window \"$1\"" >&2; return 1
  }
  box=$(find_window "Pellmore")
  xdotool windowfocus --sync $box key Return
  main=$(find_window "Pellmore ")
  for i in $(seq 1 40); do
    xdotool search --onlyvisible --name "^Pellmore\$" >/dev/null 2>&1 || break
    sleep 0.25
  done
  xdotool windowfocus --sync $main key F1
  find_window "Pellmore Help" >/dev/null
  if xdotool search --onlyvisible --name "^Pellmore\$" >/dev/null 2>&1; then
    echo "an error box is shown" >&2; exit 1
  fi
  echo "help window shown"' || { cat "$work/xvfb.log"; exit 1; }
cmp "$config" "$usr/share/pellmore/pellmore.INI"
