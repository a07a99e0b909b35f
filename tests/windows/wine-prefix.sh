#!/usr/bin/env bash
# Makes (or brings up to date) a private 64-bit Wine prefix for running the Windows build headless:
#
#   tests/windows/wine-prefix.sh PREFIX
#
# No question is ever asked: the Mono and Gecko installers are skipped, winemenubuilder makes no
# desktop entries on this machine, a crashing program ends instead of waiting on Wine's crash
# dialog, the screen is 96 DPI whatever the X server says, and the installer's Japanese pages have
# their font (IPA P Gothic standing in for MS P Gothic). Running it again on a prefix it made
# only applies the settings again; a folder that it did not make is refused, never overwritten.
set -euo pipefail

[[ $# -eq 1 && -n $1 ]] || { echo "使い方: wine-prefix.sh PREFIX (作る Wine の環境のフォルダ)" >&2; exit 2; }
prefix=$(realpath -m -- "$1")
ready=$prefix/.pekuru-prefix
making=$prefix/.pekuru-prefix-making

fail() { echo "wine-prefix: $*" >&2; exit 1; }

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all LC_ALL=C.UTF-8
# mscoree/mshtml empty: no Mono or Gecko install prompt; winemenubuilder disabled: no .desktop files.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

if [[ ! -f $ready ]]; then
    if [[ -d $prefix && -n $(ls -A "$prefix") && ! -f $making ]]; then
        fail "『$prefix』は空でなく、このスクリプトが作った Wine の環境でもありません。別のフォルダを指定してください。"
    fi
    # A prefix left half-made by an interrupted run is made again from nothing.
    [[ -f $making ]] && rm -rf -- "$prefix"
    mkdir -p "$prefix"
    touch "$making"
    timeout 300 wineboot -i >"$prefix/.wineboot.log" 2>&1 ||
        fail "wineboot -i が失敗しました ($prefix/.wineboot.log):
$(tail -n 20 "$prefix/.wineboot.log")"
fi

regadd() {
    timeout 60 wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1 ||
        fail "レジストリ $1\\$2 を $3 にできませんでした"
}
regadd 'HKCU\Software\Wine\WineDbg' ShowCrashDialog 0
regadd 'HKCU\Control Panel\Desktop' LogPixels 96
regadd 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' LogPixels 96

# The installer's Japanese pages ask for MS P Gothic, which Wine lacks: without a stand-in every
# kana is a box. Only that face: the program's own choice of fonts (MS UI Gothic, or the IPA fonts
# it ships) is left to meet Wine as it is.
subst() {
    timeout 60 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1 || fail "フォントの置きかえ $1 → $2 をレジストリに書けませんでした"
}
subst 'ＭＳ Ｐゴシック' IPAPGothic
subst 'MS PGothic' IPAPGothic

# The registry reaches the prefix's files only when wineserver has finished.
timeout 120 wineserver -w || fail "wineserver が 120 秒たっても終わりません"

[[ -f $prefix/system.reg && -f $prefix/user.reg && -d $prefix/drive_c/windows/system32 ]] ||
    fail "wineboot の後も『$prefix』に Windows のフォルダやレジストリがありません"
# wine-run.sh passes Linux paths as Z:\... ones.
[[ $(readlink "$prefix/dosdevices/z:") == / ]] || fail "『$prefix』の Z: ドライブが / ではありません"
grep -q '"ShowCrashDialog"=dword:00000000' "$prefix/user.reg" ||
    fail "ShowCrashDialog=0 が $prefix/user.reg に書かれていません"
touch "$ready"
rm -f "$making"
