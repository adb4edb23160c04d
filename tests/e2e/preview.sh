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
name=preview
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# What the preview shows (its text, copied from it) and what "Copy to Web" copies: the 12 pt
# text is the forum's normal size, which phpBB writes without a [size] tag.
expected_shown=$(printf '%s\n%s' 'Match Report' 'We won the cup')
expected_post=$(printf '%s\n%s' 'Match Report' 'We won the [b]cup[/b]')

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

start_x_server
start_program

type_match_report
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
expect_same "the preview's text does not hold what it must" "$expected_shown" "$shown"
log "the preview shows the post"

# Back into the document, then Copy to Web.
xdotool mousemove "$((X + 60))" "$((Y + HEIGHT / 3))" click 1
sleep 0.3
chord ctrl+shift+c
post=$(read_clipboard "$shown") || fail "Copy to Web put nothing new on the clipboard"
expect_same "the clipboard does not hold the phpBB post" "$expected_post" "$post"
log "the clipboard holds the phpBB post"

# File > Exit asks about the unsaved post: "Save changes to Untitled?" with Save (focused),
# Discard and Cancel; Discard ends the program.
exit_discarding
log "PASS"
exit 0
