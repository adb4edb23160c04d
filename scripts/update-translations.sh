#!/bin/sh
# Refreshes translations/quillmark_{de,fr,es}.ts from the program's sources: new texts are
# added unfinished, texts the sources no longer hold are dropped, the translations of the
# others are kept. Run after changing a text the program shows, then translate what is
# unfinished (Qt Linguist, or any editor) and commit the .ts files; the build compiles them
# (the converter's context "cli" into its own catalogue, without Qt).
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}
if [ ! -x "$LUPDATE" ] && ! command -v "$LUPDATE" >/dev/null 2>&1; then
  echo "update-translations.sh: lupdate not found (Debian: apt-get install qt6-l10n-tools)" >&2
  exit 1
fi
for lang in de fr es; do
  "$LUPDATE" -silent -no-obsolete -locations relative -source-language en -target-language "$lang" \
    -extensions cpp,h app cli editor -ts "translations/quillmark_$lang.ts"
done
