#!/usr/bin/env bash
# End-to-end test of the preview, in a private X server, with a phpBB forum profile chosen
# under "Post as:": type a short post, make one word bold, open the preview with F5, select
# and copy its text as a reader would (the rendered post, no markup), then press "Copy to Web"
# and compare the clipboard with the phpBB post it must hold; leave through File > Exit and
# "Discard", and expect a clean end.
#
# Usage: preview.sh <path to quillmark> [<folder for a screenshot on failure>]
# Exit status: 0 pass, 1 fail, 77 skipped (a tool this test needs is not installed).
set -uo pipefail

program=${1:?usage: preview.sh <quillmark> [<artifact folder>]}
artifacts=${2:-$PWD}

for tool in Xvfb xdotool xclip; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

# What the preview shows (its text, copied from it) and what "Copy to Web" copies: the 12 pt
# text is the forum's normal size, which phpBB writes without a [size] tag.
expected_shown=$(printf '%s\n%s' 'Match Report' 'We won the cup')
expected_post=$(printf '%s\n%s' 'Match Report' 'We won the [b]cup[/b]')

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-e2e.XXXXXX") || exit 1
xvfb_pid=
app_pid=

# shellcheck disable=SC2317  # run through the EXIT trap
cleanup() {
  # The program first, then the server it draws on.
  if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null
    for _ in {1..50}; do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$app_pid" 2>/dev/null
  fi
  if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    for _ in {1..50}; do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$xvfb_pid" 2>/dev/null
  fi
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

started=$SECONDS
log() { printf '[%3ds] %s\n' "$((SECONDS - started))" "$*"; }

fail() {
  echo "FAIL: $*"
  if [[ -n ${DISPLAY:-} ]] && command -v import >/dev/null 2>&1; then
    local shot="$artifacts/preview-failure.png"
    if import -display "$DISPLAY" -window root "$shot" 2>/dev/null; then
      echo "screenshot: $shot"
    fi
  fi
  if [[ -s $work/program.log ]]; then
    echo "--- program output ---"
    cat "$work/program.log"
  fi
  exit 1
}

# A private environment: nothing of the user's settings, session bus or display leaks in.
mkdir -m 700 "$work/home" "$work/runtime" "$work/config" || exit 1
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY WAYLAND_DISPLAY DISPLAY
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 LC_ALL=C.UTF-8
# Under a sanitizer build, the leak checker ignores what the system's desktop libraries keep
# until exit; it has no effect on other builds.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/leaks.supp:print_suppressions=0

# The server picks a free display number and writes it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in {1..200}; do
  [[ -s $work/display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
display_number=$(tr -dc 0-9 <"$work/display")
if [[ -z $display_number ]]; then
  cat "$work/xvfb.log"
  fail "the X server did not start"
fi
export DISPLAY=:$display_number
log "X server on $DISPLAY"

# The forum profile, chosen under "Post as:" as the user left it.
mkdir -p "$work/config/Norvane" || exit 1
cat >"$work/config/Norvane/Quillmark.conf" <<'CONF'
[forums]
current=Board
profiles\1\address=board.example.org
profiles\1\format=phpbb
profiles\1\limit=60000
profiles\1\name=Board
profiles\size=1
CONF

"$program" >"$work/program.log" 2>&1 &
app_pid=$!

# The title names the document first: "Untitled — Quillmark by Norvane".
window=$(timeout 40 xdotool search --sync --onlyvisible --name ' Quillmark by Norvane$' | head -n1)
[[ -n $window ]] || fail "the main window did not appear"
log "main window $window"

# Keys go to the window with the input focus; without a window manager the test gives it.
# The document has the keyboard focus inside the window from the start.
timeout 15 xdotool windowfocus --sync "$window" || fail "could not focus the main window"
sleep 0.3

alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"; }

# A key chord, then a short pause so that the program handles it before the next keys come.
chord() {
  alive
  xdotool key "$@"
  sleep 0.2
}

# Waits until the program shows a popup window (a menu) besides the main window.
await_popup() {
  local windows
  for _ in {1..100}; do
    windows=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -cvx "$window")
    ((windows > 0)) && return 0
    sleep 0.1
  done
  fail "no menu opened after $*"
}

# Reads the clipboard once something new is on it.
read_clipboard() {
  local text
  for _ in {1..100}; do
    alive
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null; printf x)
    text=${text%x}
    if [[ -n $text && $text != "${1:-}" ]]; then
      printf '%s' "$text"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

compare() {
  local what=$1 expected=$2 actual=$3
  if [[ $actual != "$expected" ]]; then
    echo "--- expected ---"
    printf '%s\n' "$expected" | cat -v
    echo "--- $what ---"
    printf '%s\n' "$actual" | cat -v
    fail "$what does not hold what it must"
  fi
}

xdotool type --delay 20 'Match Report'
chord Return
xdotool type --delay 20 'We won the cup'
chord shift+ctrl+Left # selects "cup"
chord ctrl+b
chord End

# F5 opens the preview on the right of the document; it follows the typing after a pause.
chord F5
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"
# Into the preview's page, then select all of it and copy it, as a reader would.
xdotool mousemove "$((X + WIDTH - 60))" "$((Y + HEIGHT / 2))" click 1
sleep 0.3
chord ctrl+a
chord ctrl+c
shown=$(read_clipboard) || fail "nothing was copied from the preview"
compare "the preview's text" "$expected_shown" "$shown"
log "the preview shows the post"

# Back into the document, then Copy to Web.
xdotool mousemove "$((X + 60))" "$((Y + HEIGHT / 3))" click 1
sleep 0.3
chord ctrl+shift+c
post=$(read_clipboard "$shown") || fail "Copy to Web put nothing new on the clipboard"
compare "the clipboard" "$expected_post" "$post"
log "the clipboard holds the phpBB post"

# File > Exit asks about the unsaved post: "Save changes to Untitled?" with Save (focused),
# Discard and Cancel. Discard ends the program, which must end cleanly (under a sanitizer
# this is also where errors at shutdown are reported).
chord alt+f
await_popup "alt+f"
xdotool key x
question=$(timeout 15 xdotool search --sync --onlyvisible --name '^Quillmark by Norvane$' | head -n1)
[[ -n $question ]] || fail "File > Exit did not ask about the unsaved post"
log "asked to save"
sleep 0.3
chord Tab
xdotool key space
for _ in {1..200}; do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after File > Exit"
wait "$app_pid"
status=$?
app_pid=
((status == 0)) || fail "the program ended with status $status"
log "PASS"
exit 0
