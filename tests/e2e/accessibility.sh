#!/usr/bin/env bash
# End-to-end test of what a screen reader sees, in a private X server with a session bus and
# the accessibility bus of its own: start the program with Qt's accessibility bridge on, list
# its controls over AT-SPI (role and name, printed), and check that the menus, the toolbar
# buttons, the lists, the document and the length gauge are there by name and that no
# button, list or text control is nameless; then leave with Ctrl+Q and expect a clean end.
#
# Usage: accessibility.sh <path to quillmark> [<folder for a screenshot on failure>]
# Exit status: 0 pass, 1 fail, 77 skipped (a program this test needs is not installed).
set -uo pipefail

program=${1:?usage: accessibility.sh <quillmark> [<artifact folder>]}
artifacts=${2:-$PWD}
name=accessibility
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bus_launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3

for tool in dbus-daemon dbus-send "$bus_launcher" "$python"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (Debian's dbus, at-spi2-core, python3)"
    exit 77
  fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: python3-pyatspi is not installed"
  exit 77
fi

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server

# A session bus of its own; the accessibility bus is started on it, and the program finds it
# there.
dbus-daemon --session --fork --nosyslog --print-address=3 --print-pid=4 \
  3>"$work/bus-address" 4>"$work/bus-pid" 2>"$work/bus.log" || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus-address")
app_pids+=("$(tr -dc 0-9 <"$work/bus-pid")")
log "session bus at $DBUS_SESSION_BUS_ADDRESS"

"$bus_launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
app_pids+=("$!")
for _ in {1..100}; do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null 2>&1 || { cat "$work/at-spi.log"; fail "the accessibility bus did not start"; }
log "accessibility bus up"

unset NO_AT_BRIDGE
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_program

timeout 60 "$python" "$e2e_dir/accessibility.py" "$app_pid" || fail "what a screen reader sees"
log "a screen reader finds every control by name"

chord ctrl+q
expect_clean_end "Ctrl+Q"
log "passed"
