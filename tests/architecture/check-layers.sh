#!/usr/bin/env bash
# check-layers.sh SRC: the folders of SRC (the program's src/) include one another only downwards,
# never in a circle. Each folder has its layer; a file may include from its own folder and from
# folders of lower layers only. Exits non-zero, naming every include that breaks this and every
# folder that has no layer yet. Screens never show or unload one another: only shell (which holds
# the screen manager) and app (which holds the flow) may include the screen manager or navigator.
#
# The libraries link by the same table: the target_link_libraries of each folder's CMakeLists.txt
# name libraries of their own folder or of lower layers only, and a logic library (a name without
# _ui) links no library of screens (_ui). The one exception is pekuru_app, the program put
# together, which links every screen.
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
# Every library the folders' CMakeLists.txt make, and the folder that makes it.
declare -A home=()
while IFS=: read -r file _ text; do
    name=${text#*add_library(}
    name=${name%%[[:space:])]*}
    home[$name]=$(basename "$(dirname "$file")")
done < <(grep -nE '^[[:space:]]*add_library\(' "$src"/*/CMakeLists.txt 2>/dev/null || true)
# Each target_link_libraries(...) as one line, comments dropped: FILE:LINE:TARGET LINKED...
link_lines() {
    awk 'FNR == 1 { open = 0 }
         { sub(/#.*/, "") }
         !open && /^[[:space:]]*target_link_libraries[[:space:]]*\(/ {
             open = 1; at = FNR; text = $0; sub(/^[^(]*\(/, "", text)
             if (text ~ /\)/) { sub(/\).*/, "", text); print FILENAME ":" at ":" text; open = 0 }
             next }
         open { text = text " " $0
                if ($0 ~ /\)/) { sub(/\).*/, "", text); print FILENAME ":" at ":" text; open = 0 } }' "$@"
}
for cmake in "$src"/*/CMakeLists.txt; do
    [[ -f $cmake ]] || continue
    folder=$(basename "$(dirname "$cmake")")
    [[ -n ${layer[$folder]+set} ]] || continue  # reported above
    while IFS=: read -r file line text; do
        read -r -a words <<<"$text"
        ((${#words[@]} > 0)) || continue
        target=${words[0]}
        for linked in "${words[@]:1}"; do
            [[ -n ${home[$linked]+set} && $linked != "$target" ]] || continue
            from=${home[$linked]}
            if [[ -n ${home[$target]+set} && $target != *_ui && $target != pekuru_app && $linked == *_ui ]]; then
                echo "check-layers: $file:$line: the logic library $target links $linked, a library of screens"
                faults=$((faults + 1))
            fi
            if [[ $from != "$folder" && -n ${layer[$from]+set} ]] && ((layer[$from] >= layer[$folder])); then
                echo "check-layers: $file:$line: $target of $folder (layer ${layer[$folder]}) links $linked of $from (layer ${layer[$from]})"
                faults=$((faults + 1))
            fi
        done
    done < <(link_lines "$cmake")
done
if ((faults > 0)); then
    echo "check-layers: $faults fault(s) against the layers of $src"
    exit 1
fi
echo "check-layers: the folders of $src include and link one another only downwards"
