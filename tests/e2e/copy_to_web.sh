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
name=copy_to_web
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# What the clipboard must hold. The document's first text is 12 pt, which the forum size scale
# writes as size 3; the document's face is removed by the web rewrites, so a bare size is left.
# The centred title is a one-cell table; the paragraph break after it is "<br>" with CR-LF.
expected=$(printf '%s\r\n%s' \
  '<table width=100%><tr><td align="center"><font size=3>Match Report</font></td></tr></table><br>' \
  '<font size=3>We won the <b>cup</b></font>')

start_x_server
start_program

type_match_report

# Back to the title and centre it through Format > Center.
chord ctrl+Home
chord alt+r
await_popup "alt+r"
chord c

chord ctrl+shift+c
log "typed and copied"
expect_same "the clipboard does not hold the expected HTML" "$expected" "$(read_clipboard)"
log "the clipboard holds the expected HTML"

# File > Exit asks about the unsaved post: "Save changes to Untitled?" with Save (focused),
# Discard and Cancel; Discard ends the program.
exit_discarding
log "PASS"
exit 0
