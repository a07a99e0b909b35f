#!/usr/bin/env bash
# check-layers.sh SRC: the folders of SRC (the program's src/) include one another only downwards,
# never in a circle. Each folder has its layer; a file may include from its own folder and from
# folders of lower layers only. Exits non-zero, naming every include that breaks this and every
# folder that has no layer yet. Screens never show or unload one another: only shell (which holds
# the screen manager) and app (which holds the flow) may include the screen manager or navigator.
#
#   0 platform                          the host
#   1 shell                             start-up, the shared state, the screens' kit
#   2 tilepuzzle  printing  records  help   logic and screens that need only the state below them
#   3 roster  drill  documents          screens on top of the records (names, tallies, the drill,
#                                       the report and certificate pages)
#   4 app                               the program put together, the flow of its screens
set -euo pipefail
src=${1:?usage: check-layers.sh SRC}
declare -A layer=([platform]=0 [shell]=1 [tilepuzzle]=2 [printing]=2 [records]=2 [help]=2 [roster]=3 [drill]=3 [documents]=3 [app]=4)
faults=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ -z ${layer[$folder]+set} ]]; then
        echo "check-layers: the folder $folder has no layer: add it to tests/architecture/check-layers.sh"
        faults=$((faults + 1))
        continue
    fi
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        [[ $target == "$folder" || -z ${layer[$target]+set} ]] && continue
        if ((layer[$target] >= layer[$folder])); then
            echo "check-layers: $file:$line: $folder (layer ${layer[$folder]}) includes $target (layer ${layer[$target]})"
            faults=$((faults + 1))
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$dir" --include='*.h' --include='*.cpp' --include='*.inl' || true)
done
while IFS=: read -r file line _; do
    echo "check-layers: $file:$line: only the flow (app) shows and unloads screens; raise a Flow event instead"
    faults=$((faults + 1))
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"shell/(ScreenManager|Navigator)\.h"' "$src" \
    --include='*.h' --include='*.cpp' --include='*.inl' | grep -vE "^$src/*(shell|app)/" || true)
if ((faults > 0)); then
    echo "check-layers: $faults fault(s) against the layers of $src"
    exit 1
fi
echo "check-layers: the folders of $src include one another only downwards"
