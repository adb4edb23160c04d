#!/usr/bin/env bash
# Builds Quillmark with the default preset and starts the editor; any arguments go to it
# (a file to open). Without a display it says so and does the editor's main job headless
# instead: the sample post in examples/ is opened and "Copy to Web" is printed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quillmark quillmark-convert

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec build/default/app/quillmark "$@"
fi

echo "No display: the editor needs a desktop session (or run this under xvfb-run)." >&2
echo "Here is what \"Copy to Web\" puts on the clipboard for examples/sample-post.rtf:" >&2
build/default/cli/quillmark-convert examples/sample-post.rtf
echo
