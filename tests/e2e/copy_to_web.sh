#!/usr/bin/env bash
# End-to-end test of the editor program, driven through the keyboard as a person would use it,
# in a private X server: type a short post, make one word bold with its shortcut, centre the
# title through the Format menu's access keys, press "Copy to Web" and compare the clipboard
# text with the forum HTML it must hold, character by character; then leave through File > Exit,
# answer "Discard" to the question about the unsaved post, and expect a clean end.
#
# Usage: copy_to_web.sh <path to quillmark> [<folder for a screenshot on failure>]
# Exit status: 0 pass, 1 fail, 77 skipped (a tool this test needs is not installed).
set -uo pipefail

program=${1:?usage: copy_to_web.sh <quillmark> [<artifact folder>]}
artifacts=${2:-$PWD}

for tool in Xvfb xdotool xclip; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

# What the clipboard must hold. The document's first text is 12 pt, which the forum size scale
# writes as size 3; the document's face is removed by the web rewrites, so a bare size is left.
# The centred title is a one-cell table; the paragraph break after it is "<br>" with CR-LF.
expected=$(printf '%s\r\n%s' \
  '<table width=100%><tr><td align="center"><font size=3>Match Report</font></td></tr></table><br>' \
  '<font size=3>We won the <b>cup</b></font>')

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
    local shot="$artifacts/copy_to_web-failure.png"
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

# A title line and a line whose last word becomes bold.
xdotool type --delay 20 'Match Report'
chord Return
xdotool type --delay 20 'We won the cup'
chord shift+ctrl+Left # selects "cup"
chord ctrl+b

# Back to the title and centre it through Format > Center.
chord ctrl+Home
chord alt+r
await_popup "alt+r"
chord c

chord ctrl+shift+c
log "typed and copied"

clipboard=
for _ in {1..100}; do
  alive
  clipboard=$(timeout 5 xclip -o -selection clipboard 2>/dev/null; printf x)
  clipboard=${clipboard%x}
  [[ -n $clipboard ]] && break
  sleep 0.1
done

if [[ $clipboard != "$expected" ]]; then
  # ^M marks a carriage return.
  echo "--- expected ---"
  printf '%s\n' "$expected" | cat -v
  echo "--- clipboard ---"
  printf '%s\n' "$clipboard" | cat -v
  fail "the clipboard does not hold the expected HTML"
fi
log "the clipboard holds the expected HTML"

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
