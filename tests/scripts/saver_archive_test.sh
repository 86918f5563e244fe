#!/bin/bash
# Unpacks the archive ($2) with CMake ($1) into a fresh folder: it holds exactly the saver and
# its content pack, side by side at its top level, each the same bytes as the build's own in $3.
set -u
cmake=$1 archive=$2 built=$3
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && "$cmake" -E tar xf "$archive") || exit 1
listing=$(cd "$unpacked" && find . -mindepth 1 | sort)
if [[ "$listing" != $'./Brindlewick.scr\n./tessaly.dll' ]]; then
  echo "the archive holds:"
  echo "$listing"
  exit 1
fi
for file in Brindlewick.scr tessaly.dll; do
  cmp "$unpacked/$file" "$built/$file" || exit 1
done
echo "the archive holds Brindlewick.scr and tessaly.dll side by side"
