#!/usr/bin/env bash
# Runs one cross-built Windows program under Wine, headless, and returns its exit status: the
# emulator ctest (and GoogleTest's discovery) runs every Windows test program through.
#
#   tests/windows/wine-run.sh PROGRAM.exe [ARGUMENTS...]
#
# Environment:
#   PEKURU_WINDOWS_QT      the Windows Qt (its bin/ holds the DLLs, plugins/ the plugins); required
#   PEKURU_WINEPREFIX      the Wine prefix to run in, made by wine-prefix.sh on first use
#                          (default: ~/.cache/pekuru/wineprefix)
#   PEKURU_WINE_TIMEOUT    seconds after which the program is stopped and counted as failed (300)
#   PEKURU_WINEDEBUG       Wine debug channels to turn on (none by default), e.g. err+module to
#                          name a missing DLL
#   QT_QPA_PLATFORM        kept when set; offscreen otherwise
#   QT_*                   passed on to the program (Wine itself would drop them)
#
# Wine's own messages are off; the program's output has its CR LF line ends made LF, so that what
# reads it (GoogleTest's discovery, ctest) sees the lines a Linux build prints. A crash ends the run
# with a non-zero status (Wine's crash dialog is off in the prefix), and so does a hang, at the time
# limit.
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(dirname "$(readlink -f "$0")")
fail() { echo "wine-run: $*" >&2; exit 125; }

[[ $# -ge 1 ]] || { echo "使い方: wine-run.sh PROGRAM.exe [引数...]" >&2; exit 2; }
program=$1
shift
[[ -f $program ]] || fail "プログラム『$program』がありません"

qt=${PEKURU_WINDOWS_QT:-}
[[ -n $qt ]] || fail "環境変数 PEKURU_WINDOWS_QT に Windows 用の Qt のフォルダを指定してください"
qt=$(realpath -- "$qt" 2>/dev/null) || fail "PEKURU_WINDOWS_QT のフォルダ『$PEKURU_WINDOWS_QT』がありません"
[[ -f $qt/bin/Qt6Core.dll ]] || fail "『$qt/bin/Qt6Core.dll』がありません (PEKURU_WINDOWS_QT は Windows 用の Qt ですか)"
fontdir=/usr/share/fonts/opentype/ipafont-gothic
[[ -f $fontdir/ipagp.ttf ]] || fail "『$fontdir/ipagp.ttf』がありません (Debian のパッケージ fonts-ipafont-gothic)"
limit=${PEKURU_WINE_TIMEOUT:-300}
[[ $limit =~ ^[1-9][0-9]*$ ]] || fail "PEKURU_WINE_TIMEOUT「$limit」は秒数 (1 以上の整数) ではありません"

prefix=$(realpath -m -- "${PEKURU_WINEPREFIX:-$HOME/.cache/pekuru/wineprefix}")
# Tests run in parallel (ctest -j): the first one makes the prefix, the others wait for it.
if [[ ! -f $prefix/.pekuru-prefix ]]; then
    mkdir -p "$(dirname "$prefix")" || fail "『$(dirname "$prefix")』を作れません"
    exec 9>"$prefix.lock" || fail "『$prefix.lock』を作れません"
    flock -w 600 9 || fail "ほかのテストが Wine の環境『$prefix』を 600 秒たっても作り終えません"
    if [[ ! -f $prefix/.pekuru-prefix ]]; then
        "$here/wine-prefix.sh" "$prefix" >&2 || fail "Wine の環境『$prefix』を作れませんでした"
    fi
    exec 9>&-
fi

# The prefix maps Z: to /, so a Linux path is a Windows one behind Z:.
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

runtime=("$qt/bin")
for d in /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib; do
    [[ -d $d ]] && runtime+=("$d")
done
winepath=
for d in "${runtime[@]}"; do winepath+="${winepath:+;}$(windows_path "$d")"; done

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all${PEKURU_WINEDEBUG:+,$PEKURU_WINEDEBUG}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINEPATH=$winepath
QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
QT_QPA_FONTDIR=$(windows_path "$fontdir")
export QT_PLUGIN_PATH QT_QPA_PLATFORM QT_QPA_FONTDIR
# Wine keeps every QT_ variable of the Linux side away from Windows programs (they are meant for
# the Linux Qt); WINEQT_X reaches them as QT_X. So do all of them, the tests' own included.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')

# The CR of each line end goes, as the output comes (not at the end: a hung test shows how far it
# got). Standard error keeps its own stream.
timeout --kill-after=10 "$limit" wine "$program" "$@" 2> >(sed -u 's/\r$//' >&2) | sed -u 's/\r$//'
status=${PIPESTATUS[0]}
if [[ $status -eq 124 || $status -eq 137 ]]; then
    echo "wine-run: 『$program』が $limit 秒たっても終わらないので止めました" >&2
elif [[ $status -eq 53 ]]; then
    # 0xC0000135, STATUS_DLL_NOT_FOUND, as Wine reports it in eight bits; Wine's own message is off.
    echo "wine-run: 『$program』は終了コード 53 で終わりました。DLL が見つからなかったのかもしれません" \
        "(PEKURU_WINEDEBUG=err+module で、その名前が出ます)" >&2
fi
# ctest judges a whole test program by its output (a PASSED line, no FAILED line), which a crash
# after the last test would not change: say it in the words it looks for.
[[ $status -eq 0 ]] || echo "[  FAILED  ] wine-run: 『$program』 ended with exit status $status"
exit "$status"
