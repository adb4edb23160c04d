#!/usr/bin/env bash
# Builds Quillmark with the default preset and starts it. Until the editor exists, "it" is
# quillmark-convert on the sample post: the HTML "Copy to Web" would produce is printed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
build/default/cli/quillmark-convert examples/sample-post.rtf
echo
