#!/usr/bin/env bash
# Writes the two lists pekuru.nsi includes, from the portable folder it packs:
#
#   nsis-file-lists.sh SOURCE INSTALL_NSH UNINSTALL_NSH
#
# INSTALL_NSH puts every file of SOURCE under $INSTDIR; UNINSTALL_NSH deletes exactly those files,
# then the folders they were in, deepest first and only when empty. The uninstaller so removes what
# was installed and nothing else: files the user put beside the program (a classroom folder, its
# records) stay, and so does the folder holding them.
set -euo pipefail
export LC_ALL=C.UTF-8
fail() { echo "nsis-file-lists: $*" >&2; exit 1; }
[[ $# -eq 3 ]] || { echo "使い方: nsis-file-lists.sh SOURCE INSTALL_NSH UNINSTALL_NSH" >&2; exit 2; }
# makensis runs this in the script's folder, not the caller's: a relative path would lead elsewhere.
[[ $1 == /* ]] || fail "SOURCE『$1』は絶対パスで指定してください (makensis は pekuru.nsi のフォルダで動きます)"
source=$(realpath -- "$1" 2>/dev/null) || fail "フォルダ『$1』がありません"
[[ -f $source/pekuru.exe ]] || fail "『$source』にペクル (pekuru.exe) がありません。deploy.sh で作ったフォルダを指定してください。"

# NSIS strings here are in double quotes: a $ is written $$, and a double quote or a backtick in a
# name could not be written at all.
nsis_text() {
    [[ $1 != *'"'* && $1 != *'`'* && $1 != *$'\n'* ]] || fail "ファイル名『$1』に \" や \` や改行があり、インストーラーに入れられません"
    local t=${1//\$/\$\$}
    printf '%s' "$t"
}
windows() { local p=${1//\//\\}; printf '%s' "$p"; }

mapfile -t files < <(cd "$source" && find . -type f -printf '%P\n' | sort)
mapfile -t dirs < <(cd "$source" && find . -mindepth 1 -type d -printf '%P\n' | sort)
[[ ${#files[@]} -gt 0 ]] || fail "『$source』にファイルがありません"
for f in "${files[@]}"; do
    [[ ${f,,} != uninstall.exe ]] || fail "『$source』に uninstall.exe があります (インストーラーが作るファイルです)"
done

{
    echo "; Made by nsis-file-lists.sh from $(nsis_text "$source"): do not edit."
    current=
    for f in "${files[@]}"; do
        dir=$(dirname "$f")
        [[ $dir == . ]] && dir=
        if [[ $dir != "$current" || -z ${started:-} ]]; then
            echo "SetOutPath \"\$INSTDIR$( [[ -n $dir ]] && printf '\\%s' "$(nsis_text "$(windows "$dir")")")\""
            current=$dir started=1
        fi
        echo "File \"$(nsis_text "$source/$f")\""
    done
    echo "SetOutPath \"\$INSTDIR\""
} >"$2"

{
    echo "; Made by nsis-file-lists.sh from $(nsis_text "$source"): do not edit."
    for f in "${files[@]}"; do
        echo "Delete \"\$INSTDIR\\$(nsis_text "$(windows "$f")")\""
    done
    # Deepest first, so that a folder is empty (of installed files) when its turn comes.
    for d in "${dirs[@]}"; do
        slashes=${d//[^\/]/}
        printf '%d\t%s\n' "${#slashes}" "$d"
    done | sort -t $'\t' -k1,1nr -k2,2r | cut -f2- | while IFS= read -r d; do
        echo "RMDir \"\$INSTDIR\\$(nsis_text "$(windows "$d")")\""
    done
} >"$3"
