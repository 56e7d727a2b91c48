#!/bin/sh
# Fails when a file of src/ includes a layer above its own: core sees no
# toolkit and no ui/pages/app, the kit (ui) no pages or app, pages no app.
# Usage: check_layers.sh <src folder>
src="${1:?usage: check_layers.sh <src folder>}"
status=0
check() { # <layer folder> <pattern of includes it must not have> <what>
  found="$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($2)" "$src/$1" 2>/dev/null)"
  if [ -n "$found" ]; then
    echo "$1 must not include $3:"
    echo "$found"
    status=1
  fi
}
check core 'FL/|ui/|pages/|app/' 'the toolkit, ui/, pages/ or app/'
check ui 'pages/|app/' 'pages/ or app/'
check pages 'app/' 'app/'
for layer in core ui pages app; do
  [ -d "$src/$layer" ] || { echo "no folder $src/$layer"; status=1; }
done
exit $status
