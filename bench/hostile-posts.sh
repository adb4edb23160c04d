#!/usr/bin/env bash
# Wall time, peak memory and output size of quillmark-convert --from on hostile posts of about
# 100 KB to 1 MB: long addresses and faces over many runs, lines and paragraphs, tables padded
# in a code block, and Markdown that cmark-gfm reads in time past linear. Each post goes the
# plain road and --via-editor (through the document), written as phpBB and as Markdown; the
# median of --runs runs counts. Needs GNU time (/usr/bin/time) and python3 to make the posts.
set -euo pipefail
export LC_ALL=C QT_QPA_PLATFORM=offscreen

build=${QUILLMARK_BUILD_DIR:-build/default}
runs=3
while [[ $# -gt 0 ]]; do
  case $1 in
    --build-dir) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: bench/hostile-posts.sh [--build-dir DIR] [--runs N]" >&2; exit 2 ;;
  esac
done
convert=$build/cli/quillmark-convert
[[ -x $convert ]] || { echo "hostile-posts.sh: build $convert first" >&2; exit 2; }

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
python3 - "$data" <<'EOF'
import sys
d = sys.argv[1]
a = 'http://e.org/' + 'a' * 20000
posts = {
    'address-over-runs.phpbb': '[url=' + a + ']' + '[b]w[/b]x' * 100000 + '[/url]',
    'address-over-lines.phpbb': '[url=' + a + ']' + 'w\n' * 400000 + '[/url]',
    'address-over-paragraphs.phpbb': '[url=' + a + ']' + 'w\n\n' * 300000 + '[/url]',
    'face-over-runs.xenforo': '[FONT=' + 'F' * 20000 + ']' + '[B]w[/B]x' * 100000 + '[/FONT]',
    'faces.xenforo': '[FONT=Arial]x' * 80000,
    'wide-cell.xenforo': '[TABLE][TR][TD]' + 'c' * 20000 + '[/TD][TD]d[/TD][/TR]'
                         + '[TR][TD]x[/TD][TD]y[/TD][/TR]' * 30000 + '[/TABLE]',
    'link-over-runs.markdown': '[' + '**w** x ' * 120000 + '](' + a + ')',
    'reference-uses.markdown': '[x]: ' + a + '\n\n' + '[x] ' * 250000,
    'picture-openers.markdown': '![[]()' * 160000,
    'processing-instructions.markdown': 'a ' + '<?' * 500000,
    'cdata.markdown': 'a ' + '<![CDATA[' * 110000,
    'declarations.markdown': 'a <!A ' * 160000,
    'columns.markdown': '|a' * 150000 + '|\n' + '|-' * 150000 + '|\n' + '|b' * 150000 + '|\n',
    'wide-header.markdown': '|a' * 3000 + '|\n' + '|-' * 3000 + '|\n' + '|b|\n' * 250000,
}
for name, text in posts.items():
    open(f'{d}/{name}', 'w').write(text)
EOF

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

printf '%-34s %-9s %-13s %9s %8s %12s\n' post format road seconds MB output
for post in "$data"/*; do
  from=${post##*.}
  for format in phpbb markdown; do
    for via in "" --via-editor; do
      times=() peak=0
      for ((r = 0; r < runs; ++r)); do
        /usr/bin/time -f '%e %M' -o "$data/time" "$convert" $via --from "$from" --format "$format" \
          "$post" > "$data/out" 2> /dev/null
        read -r seconds kilobytes < "$data/time"
        times+=("$seconds")
        ((kilobytes > peak)) && peak=$kilobytes
      done
      printf '%-34s %-9s %-13s %9s %8d %12d\n' "$(basename "$post")" "$format" "${via:-plain}" \
        "$(printf '%s\n' "${times[@]}" | median)" $((peak / 1024)) "$(stat -c %s "$data/out")"
    done
  done
done
