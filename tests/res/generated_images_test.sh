#!/usr/bin/env bash
# Fails when the committed images differ from what the generator draws, so that a change to
# a pixel mask cannot be committed without the files it produces, nor the files edited by
# hand without the masks.
set -euo pipefail

source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python3 "$source_dir/res/tools/generate_images.py" --out "$scratch"
count=0
while IFS= read -r -d '' generated; do
  relative=${generated#"$scratch"/}
  cmp "$generated" "$source_dir/$relative"
  count=$((count + 1))
done < <(find "$scratch" -type f -print0)
[ "$count" -gt 0 ] || { echo "the generator wrote no files" >&2; exit 1; }
echo "$count generated files match the committed ones"
