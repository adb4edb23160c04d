#!/usr/bin/env python3
"""What a reading of a word processor's document keeps, beside pandoc's reading of it.

    scripts/compare-office-reading.py CONVERTER FILE.docx|FILE.odt...

For each file, one line per reading: pandoc's own (Debian's pandoc; and pandoc 3 from the
npm package pandoc-wasm when PANDOC_WASM names the folder it is installed in), and the editor's,
as the Markdown post CONVERTER (quillmark-convert-via-editor) writes for the file, read back
by pandoc. Each line counts words, paragraphs (headings among them), list items with the
deepest nesting and the ordered lists' start numbers, tables with their rows and cells that
hold text and their column alignments (L, R, C, D for none), quotes and links."""
import json
import os
import subprocess
import sys

# pandoc 3 in WebAssembly: reads standard input, or the file named, as FROM; writes JSON.
WASM_READER = r'''
import { convert } from "pandoc-wasm";
import { readFileSync } from "node:fs";
const [from, file] = process.argv.slice(1);
const options = { from, to: "json" };
const files = {};
let input = null;
if (file) {
  options["input-files"] = ["in." + from];
  files["in." + from] = new Blob([readFileSync(file)]);
} else {
  input = readFileSync(0, "utf8");
}
const result = await convert(options, input, files);
process.stderr.write(result.stderr || "");
process.stdout.write(result.stdout);
'''


def has_text(node):
    if isinstance(node, dict):
        return node.get('t') == 'Str' or any(has_text(v) for v in node.values())
    if isinstance(node, list):
        return any(has_text(v) for v in node)
    return False


def count(document):
    c = dict(words=0, paragraphs=0, headings=0, items=0, depth=0, starts=[], tables=0,
             rows=0, cells=0, aligns=[], quotes=0, links=0)

    def walk(node, depth):
        if isinstance(node, list):
            for v in node:
                walk(v, depth)
            return
        if not isinstance(node, dict):
            return
        t = node.get('t')
        if t == 'Str':
            c['words'] += 1
        elif t in ('Para', 'Plain'):
            c['paragraphs'] += 1
        elif t == 'Header':
            c['headings'] += 1
            c['paragraphs'] += 1
        elif t == 'BlockQuote':
            c['quotes'] += 1
        elif t == 'Link':
            c['links'] += 1
        elif t in ('BulletList', 'OrderedList'):
            items = node['c'] if t == 'BulletList' else node['c'][1]
            if t == 'OrderedList':
                c['starts'].append(node['c'][0][0])
            c['items'] += len(items)
            c['depth'] = max(c['depth'], depth + 1)
            walk(items, depth + 1)
            return
        elif t == 'Table':
            _, _, columns, head, bodies, _ = node['c']
            c['tables'] += 1
            c['aligns'].append(''.join(column[0]['t'][len('Align')] for column in columns))
            for row in head[1] + [r for body in bodies for r in body[2] + body[3]]:
                c['rows'] += has_text(row)
                c['cells'] += sum(1 for cell in row[1] if has_text(cell[4]))
        walk(node.get('c'), depth)

    walk(document['blocks'], 0)
    return c


def run(command, data=None):
    return subprocess.run(command, input=data, capture_output=True, check=True).stdout


def main():
    converter, files = sys.argv[1], sys.argv[2:]
    readers = [('pandoc', lambda kind, path=None, data=None: run(
        ['pandoc', '-f', kind, '-t', 'json'] + ([path] if path else []), data))]
    if wasm := os.environ.get('PANDOC_WASM'):
        readers.append(('pandoc-wasm', lambda kind, path=None, data=None: subprocess.run(
            ['node', '--input-type=module', '-e', WASM_READER, kind] +
            ([os.path.abspath(path)] if path else []),
            input=data, capture_output=True, check=True, cwd=wasm).stdout))
    for path in files:
        kind = path.rsplit('.', 1)[1]
        post = run([converter, '--format', 'markdown', path])
        name = os.path.basename(path)
        for reader, read in readers:
            print(name, reader, count(json.loads(read(kind, path))))
        print(name, 'editor', count(json.loads(readers[0][1]('gfm', data=post))))


if __name__ == '__main__':
    main()
