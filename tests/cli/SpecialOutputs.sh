#!/bin/sh
# -o onto something that is not a plain file: a pipe must stay a pipe and get the output;
# a link must stay a link, and the file it names gets the output.
# Usage: SpecialOutputs.sh PROGRAM INPUT.rtf EXPECTED.html
set -eu
program=$1 input=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

mkfifo pipe
cat pipe > from-pipe &
reader=$!
"$program" -o pipe "$input"
wait "$reader"
[ -p pipe ] || { echo "the pipe was replaced by a file"; exit 1; }
cmp from-pipe "$expected" || { echo "wrong output through the pipe"; exit 1; }

echo old > named.html
ln -s named.html link.html
"$program" -o link.html "$input"
[ -L link.html ] || { echo "the link was replaced by a file"; exit 1; }
cmp named.html "$expected" || { echo "wrong output in the file the link names"; exit 1; }
echo ok
