#!/usr/bin/env bash
# Seeds the committed corpora fuzz/corpus/{convert,carry_over,tokenizer,post_reader}/ from the
# conversion cases (tests/convert/cases/*.txt) and examples/sample-post.rtf. Usage: fuzz/seed.sh
#
# fuzz_make_seeds (an ordinary build in build/fuzz-seeds) writes every case in each target's
# input format; libFuzzer's merge (the fuzz preset) then adds to each corpus those seeds that
# bring coverage it lacks, named by the SHA-1 of their content. Run it again after adding
# cases: seeds already there are kept, new ones are added when they cover something new.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seeds=build/fuzz-seeds
cmake -S . -B "$seeds" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_BUILD_GUI=OFF \
  -DQUILLMARK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$seeds" --target fuzz_make_seeds >/dev/null
rm -rf "$seeds/raw"
"$seeds/fuzz/fuzz_make_seeds" tests/convert/cases examples/sample-post.rtf "$seeds/raw"

[[ -f build/fuzz/CMakeCache.txt ]] || cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for target in convert carry_over tokenizer post_reader; do
  mkdir -p "fuzz/corpus/$target"
  build/fuzz/fuzz/fuzz_$target -merge=1 "fuzz/corpus/$target" "$seeds/raw/$target" 2>&1 |
    grep -E '^MERGE-OUTER: [0-9]+ new files' || true
done
