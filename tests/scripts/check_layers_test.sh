#!/bin/bash
# The layer check passes a tree whose includes point down or sideways and refuses one whose
# include points up, naming the file, the line and the header.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

expect() {  # expect WHAT EXIT-CODE OUTPUT-PATTERN
  local output code
  output=$(bash "$check" "$tree" 2>&1)
  code=$?
  if [ "$code" -ne "$2" ] || ! grep -qE -- "$3" <<<"$output"; then
    echo "FAILED: $1 (exit $code): $output"
    failures=$((failures + 1))
  fi
}

mkdir -p "$tree"/{render,document,items/sprites,show/lights,app}
echo '#include "render/quad.h"' >"$tree/document/link.cpp"
printf '#include <d3d9.h>\n#include "document/link.h"\n#include "items/item.h"\n' >"$tree/items/sprites/rain.cpp"
echo '#include "show/lights/lake.h"' >"$tree/show/slide.h"
echo '#include "app/player.h"' >"$tree/app/player.cpp"
expect "includes of lower and equal layers" 0 '^$'

printf '// the light\n#include "show/slide.h"\n' >"$tree/items/sprites/light_user.h"
expect "an item including the show" 1 '^items/sprites/light_user\.h:2: items/ may not include show/slide\.h'

rm "$tree/items/sprites/light_user.h"
echo '#include "app/player.h"' >"$tree/render/quad.cpp"
expect "the drawing layer including the application" 1 'render/quad\.cpp:1: .*app/player\.h'

[ "$failures" -eq 0 ] && echo "3 passed, 0 failed" || { echo "$((3 - failures)) passed, $failures failed"; exit 1; }
