#!/usr/bin/env bash
# End-to-end test of the drafts, with real programs in a private X server: a post typed in one
# program is kept when that program is ended by a signal, and the next program started offers
# the draft; Enter restores it, and "Copy to Web" then gives word for word the post the ended
# program gave. One row per signal:
# - KILL, as a crash or a power cut ends a program: the draft is the one kept when the window
#   lost the focus to a second running copy (which must not offer the first one's draft: it is
#   still running).
# - TERM and HUP, what a logout, a shutdown or a closed terminal send: two seconds after the
#   last key, long before the next timed draft, the program writes its draft at once, lets go
#   of its lock and ends cleanly by itself; the draft holds every word typed.
#
# Usage: draft_after_kill.sh <path to quillmark> [<folder for a screenshot on failure>] [SIGNAL]
# Exit status: 0 pass, 1 fail, 77 skipped (a tool this test needs is not installed).
set -uo pipefail

program=${1:?usage: draft_after_kill.sh <quillmark> [<artifact folder>] [KILL|TERM|HUP]}
artifacts=${2:-$PWD}
signal=${3:-KILL}
name=draft_after_${signal,,}
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

drafts=$XDG_DATA_HOME/Norvane/Quillmark/drafts

# The draft files holding `word`, one per line.
drafts_with() { grep -lF -- "$1" "$drafts"/*.rtf 2>/dev/null; }

start_x_server
start_program
first_pid=$app_pid
first_window=$window

xdotool type --delay 20 'An evening of careful work'
chord shift+ctrl+Left # selects "work"
chord ctrl+b
chord End
chord Return
xdotool type --delay 20 'lost to nothing'
chord ctrl+shift+c
expected=$(read_clipboard)
[[ $expected == *careful*nothing* ]] || fail "the first program did not copy the post: $expected"
log "typed and copied in the first program"

# No draft yet (the first is written after 30 s or when the window loses the focus).
[[ -z $(drafts_with careful) ]] || fail "a draft was written before it was due"

# Every word typed, in the draft files holding the post.
words=(An evening of careful work lost to nothing)
expect_every_word() {
  local draft word
  draft=$(drafts_with careful)
  [[ $(wc -l <<<"$draft") == 1 ]] || fail "not one draft holds the post: $draft"
  for word in "${words[@]}"; do
    grep -qF -- "$word" "$draft" || fail "the draft lacks \"$word\": $(cat "$draft")"
  done
}

if [[ $signal == KILL ]]; then
  # A second copy of the program takes the focus. The first keeps its draft on losing it; the
  # second finds that draft locked by a running program and does not offer it.
  start_program
  second_pid=$app_pid
  for _ in {1..100}; do
    [[ -n $(drafts_with careful) ]] && break
    sleep 0.1
  done
  [[ $(drafts_with careful | wc -l) == 1 ]] || fail "the first program kept no draft on losing the focus"
  log "draft kept: $(drafts_with careful)"
  sleep 1
  asked=$(xdotool search --all --onlyvisible --pid "$second_pid" --name '^Quillmark$' 2>/dev/null)
  [[ -z $asked ]] || fail "the second program offered the draft of one still running"

  kill -9 "$first_pid"
  wait "$first_pid" 2>/dev/null
  log "first program killed"
  # The second program has nothing unsaved: Ctrl+Q ends it without a question.
  chord ctrl+q
  expect_clean_end "Ctrl+Q"
  [[ -n $(drafts_with careful) ]] || fail "the killed program's draft is gone"
else
  sleep 2
  kill -s "$signal" "$first_pid"
  log "SIG$signal sent"
  expect_clean_end "SIG$signal"
  expect_every_word
  locks=$(find "$drafts" -name '*.lock')
  [[ -z $locks ]] || fail "SIG$signal left a lock behind: $locks"
  log "draft written, no lock left: $(drafts_with careful)"
fi

# A third program offers the draft; Restore is the default button.
clear_clipboard
"$program" >"$work/program-third.log" 2>&1 &
app_pid=$!
app_pids+=("$app_pid")
# The question has the program's name for its title.
question=$(timeout 40 xdotool search --all --sync --onlyvisible --pid "$app_pid" --name '^Quillmark$' |
  head -n1)
[[ -n $question ]] || fail "the killed program's draft was not offered"
log "draft offered"
focus_window "$question"
xdotool key Return
window=
for _ in {1..100}; do
  window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name ' Quillmark by Norvane$' | head -n1)
  [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || fail "no main window after restoring"
focus_window "$window"
title=$(xdotool getwindowname "$window")
# A restored draft is an unsaved, untitled document.
[[ $title == 'Untitled* — Quillmark by Norvane' ]] || fail "the restored document's title is: $title"
[[ -z $(drafts_with careful) || $(drafts_with careful | wc -l) == 1 ]] || fail "the draft was copied"

chord ctrl+shift+c
expect_same "the restored post differs from the one typed" "$expected" "$(read_clipboard)"
log "the restored post is the one typed, word for word"

# Leaving without saving discards the restored post's draft too.
exit_discarding
[[ -z $(drafts_with careful) ]] || fail "a draft was left after the post was discarded"
log "PASS"
exit 0
