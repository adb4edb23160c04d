# Shared by the end-to-end tests: a private X server and environment, the programs started in
# it, keys sent to them, the clipboard read back, and everything stopped on exit.
#
# A test sets `program` and `artifacts` (a folder for a screenshot on failure) and `name`,
# then sources this file.
# shellcheck shell=bash

for tool in Xvfb xdotool xclip; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

# The tests type the English access keys and read the English titles, whatever the desktop's
# language; a test of another language sets its own after sourcing this file.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-e2e.XXXXXX") || exit 1
xvfb_pid=
app_pid=       # the program the keys go to
app_pids=()    # every program started, stopped on exit
window=

stop_process() {
  local pid=$1
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in {1..50}; do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  fi
}

# shellcheck disable=SC2317  # run through the EXIT trap
cleanup() {
  # The programs first, then the server they draw on.
  local pid
  for pid in "${app_pids[@]}"; do stop_process "$pid"; done
  stop_process "$xvfb_pid"
  wait 2>/dev/null
  [[ -n ${E2E_KEEP:-} ]] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

started=$SECONDS
log() { printf '[%3ds] %s\n' "$((SECONDS - started))" "$*"; }

fail() {
  echo "FAIL: $*"
  if [[ -n ${DISPLAY:-} ]] && command -v import >/dev/null 2>&1; then
    local shot="$artifacts/$name-failure.png"
    if import -display "$DISPLAY" -window root "$shot" 2>/dev/null; then
      echo "screenshot: $shot"
    fi
  fi
  local output
  for output in "$work"/program*.log; do
    [[ -s $output ]] || continue
    echo "--- $(basename "$output") ---"
    cat "$output"
  done
  exit 1
}

# A private environment: nothing of the user's settings, data, session bus or display leaks in.
mkdir -m 700 "$work/home" "$work/runtime" "$work/config" "$work/data" || exit 1
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY WAYLAND_DISPLAY DISPLAY
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 LC_ALL=C.UTF-8
# Under a sanitizer build, the leak checker ignores what the system's desktop libraries keep
# until exit; it has no effect on other builds.
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$e2e_dir/leaks.supp:print_suppressions=0

# The server picks a free display number and writes it once it accepts connections.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in {1..200}; do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  local display_number
  display_number=$(tr -dc 0-9 <"$work/display")
  if [[ -z $display_number ]]; then
    cat "$work/xvfb.log"
    fail "the X server did not start"
  fi
  export DISPLAY=:$display_number
  log "X server on $DISPLAY"
}

# Starts the program (its output in program-N.log), waits for its main window and gives it the
# keyboard: sets app_pid and window. The title names the document first: "Untitled — Quillmark
# by Norvane".
start_program() {
  "$program" >"$work/program-${#app_pids[@]}.log" 2>&1 &
  app_pid=$!
  app_pids+=("$app_pid")
  window=
  local found
  for _ in {1..400}; do
    found=$(xdotool search --all --onlyvisible --pid "$app_pid" --name ' Quillmark by Norvane$' 2>/dev/null |
      head -n1)
    [[ -n $found ]] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  [[ -n $found ]] || fail "the main window did not appear"
  window=$found
  log "main window $window of program $app_pid"
  focus_window "$window"
}

# Keys go to the window with the input focus; without a window manager the test gives it.
focus_window() {
  timeout 15 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
  sleep 0.3
}

alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"; }

# A key chord, then a short pause so that the program handles it before the next keys come.
chord() {
  alive
  xdotool key "$@"
  sleep 0.2
}

# Types the post the tests start from: a title line, "Match Report", and a line whose last
# word becomes bold, "We won the cup"; "cup" is left selected.
type_match_report() {
  xdotool type --delay 20 'Match Report'
  chord Return
  xdotool type --delay 20 'We won the cup'
  chord shift+ctrl+Left # selects "cup"
  chord ctrl+b
}

# Waits until the program shows a window besides the main one (a menu or a question).
await_popup() {
  local windows
  for _ in {1..100}; do
    windows=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -cvx "$window")
    ((windows > 0)) && return 0
    sleep 0.1
  done
  fail "no window opened after $*"
}

# The clipboard's text, once it has some other than `$1` (trailing newlines kept); status 1
# when none comes.
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

# Empties the clipboard, so that the next read waits for new text.
clear_clipboard() { printf '' | xclip -selection clipboard -i; }

# Fails with both texts shown when they differ; ^M marks a carriage return.
expect_same() {
  local what=$1 expected=$2 actual=$3
  if [[ $actual != "$expected" ]]; then
    echo "--- expected ---"
    printf '%s\n' "$expected" | cat -v
    echo "--- actual ---"
    printf '%s\n' "$actual" | cat -v
    fail "$what"
  fi
}

# Waits for the program to end by itself and checks that it ended cleanly (under a sanitizer
# this is also where errors at shutdown are reported).
expect_clean_end() {
  for _ in {1..200}; do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after $*"
  wait "$app_pid"
  local status=$?
  ((status == 0)) || fail "the program ended with status $status"
}

# File > Exit, answering "Discard" to "Save changes to Untitled?" (Save focused, then Discard
# and Cancel); the program must then end cleanly.
exit_discarding() {
  chord alt+f
  await_popup "alt+f"
  xdotool key x
  local question
  question=$(timeout 15 xdotool search --all --sync --onlyvisible --pid "$app_pid" \
    --name '^Quillmark by Norvane$' | head -n1)
  [[ -n $question ]] || fail "File > Exit did not ask about the unsaved post"
  log "asked to save"
  sleep 0.3
  chord Tab
  xdotool key space
  expect_clean_end "File > Exit"
}
