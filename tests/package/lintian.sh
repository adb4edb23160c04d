#!/usr/bin/env bash
# Debian's package checker on the package deb.sh made: no error; warnings are printed.
#
# Usage: lintian.sh <output dir of deb.sh>
# Exit status: 0 pass, 1 fail, 77 skipped (lintian is not installed).
set -uo pipefail

out=${1:?usage: lintian.sh <output dir of deb.sh>}
if ! command -v lintian >/dev/null 2>&1; then
  echo "SKIP: lintian is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
debs=("$out"/quillmark_*.deb)
if [[ ! -f ${debs[0]} ]]; then
  echo "FAIL: no package in $out (package.deb makes it)"
  exit 1
fi
# --fail-on error: warnings and notes are reported but do not fail the test.
lintian --fail-on error --info --display-level '>=warning' "${debs[@]}"
