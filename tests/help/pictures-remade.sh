#!/usr/bin/env bash
# pictures-remade.sh SOURCE BUILD: runs scripts/refresh-guide-pictures.sh as a developer does after
# changing a screen, with the tools of BUILD, into a scratch folder, and checks that it makes exactly
# the pictures the guide holds (data/help/pictures; test_help checks those against the pages), each
# a PNG of 1024 × 768 but the about box, which has a size of its own.
set -euo pipefail
source=$1 build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
PEKURU_BUILT=$build "$source/scripts/refresh-guide-pictures.sh" "$out"

made=$(ls "$out")
kept=$(ls "$source/data/help/pictures")
if [[ $made != "$kept" ]]; then
    echo "pictures-remade: the script makes other pictures than the guide holds (< made, > held):" >&2
    diff <(echo "$made") <(echo "$kept") >&2 || true
    exit 1
fi
failed=0
for f in "$out"/*.png; do
    # A PNG's first chunk, IHDR, holds the width and height as 4-byte big-endian numbers at 16 and 20.
    if [[ $(head -c 8 "$f" | od -An -tx1 | tr -d ' \n') != 89504e470d0a1a0a ]]; then
        echo "pictures-remade: $(basename "$f") is not a PNG" >&2
        failed=1
        continue
    fi
    size="$((16#$(od -An -tx1 -j16 -N4 "$f" | tr -d ' \n')))x$((16#$(od -An -tx1 -j20 -N4 "$f" | tr -d ' \n')))"
    if [[ $(basename "$f") != frmver.png && $size != 1024x768 ]]; then
        echo "pictures-remade: $(basename "$f") is $size, not 1024x768" >&2
        failed=1
    fi
done
exit $failed
