#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as .clang-format says; lists the files that
# are not and fails. "scripts/check-format.sh --fix" formats them in place instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
