#!/usr/bin/env bash
# The label corpus on paper: exports one sheet of every label of tests/data/corpus/labels.json
# to PDF through the program's own load and export path, renders each page at 150 dpi with
# pdftoppm and compares the pixels with tests/data/corpus/pixels-150dpi.txt. The same run
# checks every stored byte of every label against tests/data/corpus/saved.json.
#
# Usage: scripts/label-corpus.sh [build-dir]            compare (exit 1 on any difference)
#        scripts/label-corpus.sh [build-dir] --record   record both files afresh; only on a
#                                                       program known to be right
# The PDFs stay in build-dir/label-corpus/pdf; pages that differ are drawn to .../png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
record=${2:-}
test_bin="$root/$dir/tests/corpus/qv_tests_corpus"
out="$root/$dir/label-corpus"
pixels="$root/tests/data/corpus/pixels-150dpi.txt"
[ -x "$test_bin" ] || { echo "build $test_bin first" >&2; exit 2; }
rm -rf "$out"
mkdir -p "$out/pdf" "$out/png"

export QT_QPA_PLATFORM=offscreen QV_CORPUS_PDF_DIR="$out/pdf"
if [ "$record" = "--record" ]; then
  QV_CORPUS_RECORD="$root/tests/data/corpus/saved.json" "$test_bin" --gtest_brief=1
else
  "$test_bin" --gtest_brief=1
fi

# The hash is of the raw pixels (PPM on the pipe), not of an encoded picture file.
for pdf in "$out"/pdf/*.pdf; do
  name=$(basename "$pdf" .pdf)
  echo "$(pdftoppm -r 150 "$pdf" | sha256sum | cut -d' ' -f1)  $name"
done > "$out/pixels-150dpi.txt"
echo "$(wc -l < "$out/pixels-150dpi.txt") labels rendered at 150 dpi"

if [ "$record" = "--record" ]; then
  cp "$out/pixels-150dpi.txt" "$pixels"
  echo "recorded $pixels and tests/data/corpus/saved.json"
  exit 0
fi
if diff -u "$pixels" "$out/pixels-150dpi.txt"; then
  echo "every page is pixel-identical to the recorded one"
else
  # The differing labels as pictures, for people to look at.
  diff "$pixels" "$out/pixels-150dpi.txt" | sed -n 's/^> [0-9a-f]*  //p' | while read -r name; do
    pdftoppm -r 150 -png "$out/pdf/$name.pdf" "$out/png/$name"
  done
  echo "pages differ from the recorded ones (diff above; pictures in $out/png)" >&2
  exit 1
fi
