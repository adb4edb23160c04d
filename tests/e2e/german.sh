#!/usr/bin/env bash
# End-to-end test of the program on a German desktop, in a private X server: started with
# LANG=de_DE.UTF-8 (and no LANGUAGE or LC_ALL over it), its window names the new document
# "Unbenannt", and the German access keys work: Alt+D opens the "Datei" menu and B ("Beenden")
# ends the program, cleanly, as the document is unchanged.
#
# Usage: german.sh <path to quillmark> [<folder for a screenshot on failure>]
# Exit status: 0 pass, 1 fail, 77 skipped (a tool this test needs is not installed).
set -uo pipefail

program=${1:?usage: german.sh <quillmark> [<artifact folder>]}
artifacts=${2:-$PWD}
name=german
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=de_DE.UTF-8
start_program

title=$(xdotool getwindowname "$window")
expect_same "the window is not titled in German" "Unbenannt — Quillmark by Norvane" "$title"
log "the window is titled in German"

chord alt+d
await_popup "alt+d"
xdotool key b
expect_clean_end "Datei > Beenden"
log "PASS"
exit 0
