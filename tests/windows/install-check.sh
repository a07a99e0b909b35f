#!/usr/bin/env bash
# Checks the Windows installer the way a user meets it, in a fresh Wine prefix:
#
#   tests/windows/install-check.sh build-windows/pekuru-<version>-setup.exe
#
#  1. a silent install (/S) into the default folder %LOCALAPPDATA%\Programs\pekuru: the files (the
#     guide and the demo classroom byte for byte as in data/), the Start-menu shortcuts, the
#     HKCU ...\Uninstall\pekuru entry; the installed program answers --version on standard output
#     (a GUI program) with the version the entry names; started with nothing of the build around
#     it (no WINEPATH, no QT_PLUGIN_PATH, Wine's X driver on Xvfb) it shows its first screen with
#     its own DLLs and plugins and lays out the user's classroom from the demo classroom;
#  2. the same install again over it (an update) still leaves a whole program;
#  3. a silent uninstall (/S _?=folder): the program files, shortcuts and entry are gone, and the
#     classroom under %LOCALAPPDATA%\pekuru with a records file in it is exactly as it was;
#  4. a silent install into another folder (/D=, a Japanese path), uninstalled again: a file the
#     user put beside the program stays, with its folder.
# Every check runs; each failure names what was expected and what was seen. Exit 0 only when all
# passed. PEKURU_INSTALL_CHECK_SCREENSHOT=file.png keeps a picture of the program's first screen.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 1 ]] || { echo "使い方: install-check.sh INSTALLER.exe" >&2; exit 2; }
here=$(dirname "$(readlink -f "$0")")
root=$(cd "$here/../.." && pwd)
installer=$(realpath -- "$1" 2>/dev/null) && [[ -f $installer ]] ||
    { echo "install-check: インストーラー『$1』がありません" >&2; exit 1; }
for tool in wine wineserver winepath Xvfb strings iconv sha256sum; do
    command -v "$tool" >/dev/null || { echo "install-check: $tool がありません" >&2; exit 1; }
done

work=$(mktemp -d /tmp/pekuru-install-check.XXXXXX)
prefix=$work/prefix
xvfb_pid=
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    [[ -n $xvfb_pid ]] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
passed=0
check() { # check WHAT OK? EXPECTED SEEN
    if [[ $2 == ok ]]; then
        passed=$((passed + 1))
    else
        failures=$((failures + 1))
        printf 'install-check: FAIL %s\n  expected: %s\n  seen:     %s\n' "$1" "$3" "$4" >&2
    fi
}
ok_if() { if "$@"; then echo ok; else echo no; fi; }
fatal() { echo "install-check: $*" >&2; exit 1; }

"$here/wine-prefix.sh" "$prefix" || fatal "Wine の環境を作れませんでした"
# The installed program has to stand on its own: nothing from the build's environment helps it.
# (Wine drops QT_ variables by itself; their WINEQT_ forms would reach the program.)
unset WINEPATH PEKURU_FOLDER
while IFS= read -r name; do unset "$name"; done < <(compgen -e | grep -E '^(WINE)?QT_')
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

# A display from the first Wine process on, as a user's session has: Wine's desktop process starts
# with the first program of the prefix and keeps the display it found, so a program started later
# with a DISPLAY would still find no window driver (and wait forever for its first window).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fatal "Xvfb が起動しません: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY

w() { timeout --kill-after=10 "${WINE_LIMIT:-300}" wine "$@"; }
win_env() { w cmd /c echo "%$1%" 2>/dev/null | tr -d '\r' | head -n 1; }
to_unix() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

localappdata=$(win_env LOCALAPPDATA)
appdata=$(win_env APPDATA)
[[ $localappdata == [A-Z]:\\* && $appdata == [A-Z]:\\* ]] ||
    fatal "%LOCALAPPDATA% / %APPDATA% が読めません (『$localappdata』『$appdata』)"
startmenu_win="$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\ペクル"
startmenu=$(to_unix "$startmenu_win")
classroom=$(to_unix "$localappdata\\pekuru")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\pekuru'

# The uninstall entry's values, from an export (UTF-16: the Japanese name survives).
read_entry() {
    rm -f "$work/entry.reg"
    w reg export "$key" 'Z:'"${work//\//\\}"'\entry.reg' /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' >"$work/entry.txt"
}
entry_value() { # the string NAME, unescaped; dword:... for a number
    sed -n "s/^\"$1\"=\"\\(.*\\)\"\$/\\1/p; s/^\"$1\"=\\(dword:.*\\)\$/\\1/p" "$work/entry.txt" |
        sed 's/\\"/"/g; s/\\\\/\\/g'
}

# Files every install has, whatever the build (the DLLs of any Qt Widgets program included).
required=(
    pekuru.exe uninstall.exe qt.conf README.txt
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
    plugins/platforms/qwindows.dll plugins/imageformats/qjpeg.dll plugins/imageformats/qico.dll
    fonts/ipag.ttf fonts/ipagp.ttf fonts/IPA_Font_License_Agreement_v1.0.txt
    licences/Qt.txt licences/GCC-runtime.txt licences/MinGW-w64.txt
)
same_tree() { # same_tree A B: the same file names with the same bytes
    diff <(cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum) \
        <(cd "$2" && find . -type f -print0 | sort -z | xargs -0 sha256sum) >/dev/null 2>&1
}
holds_tree() { # holds_tree A B: B has every file of A, with the same bytes
    [[ -d $2 ]] || return 1
    (cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum) | (cd "$2" && sha256sum --quiet -c -) >/dev/null 2>&1
}
tree_sums() { (cd "$1" 2>/dev/null && find . -type f -print0 | sort -z | xargs -0 -r sha256sum); }

# The texts in a shortcut, to see where it leads: its ANSI strings, and its UTF-16 ones read at
# either byte alignment (a path with Japanese in it is whole only in UTF-16).
link_names() {
    {
        strings -a "$1"
        local skip
        for skip in 1 2; do tail -c +$skip "$1" | iconv -c -f UTF-16LE -t UTF-8 | tr '\000-\037' '\n'; done
    } 2>/dev/null | tr '[:upper:]' '[:lower:]'
}

check_installed() { # check_installed LABEL INSTDIR_WINDOWS
    local label=$1 instdir_win=$2 instdir f
    instdir=$(to_unix "$instdir_win")
    [[ -d $instdir ]] || { check "$label: the install folder" no "$instdir_win" "no such folder"; return 1; }
    for f in "${required[@]}"; do
        check "$label: $f" "$(ok_if test -s "$instdir/$f")" "$instdir_win\\${f//\//\\}" "missing or empty"
    done
    check "$label: the guide help\\ is data/help" "$(ok_if same_tree "$root/data/help" "$instdir/help")" \
        "the same files as $root/data/help" "$(cd "$instdir/help" 2>/dev/null && find . -type f | wc -l) files, differing"
    check "$label: the demo classroom share\\pekuru\\教室 is data/sample/教室" \
        "$(ok_if same_tree "$root/data/sample/教室" "$instdir/share/pekuru/教室")" \
        "the same files as $root/data/sample/教室" "differing (names or bytes)"

    local exe_win="$instdir_win\\pekuru.exe"
    check "$label: Start-menu ペクル.lnk" "$(ok_if test -f "$startmenu/ペクル.lnk")" "$startmenu_win\\ペクル.lnk" \
        "$(ls "$startmenu" 2>/dev/null | tr '\n' ' ' || echo 'no folder')"
    if [[ -f $startmenu/ペクル.lnk ]]; then
        check "$label: ペクル.lnk leads to the program" \
            "$(ok_if grep -qF "$(lower "$exe_win")" <(link_names "$startmenu/ペクル.lnk"))" "$exe_win" \
            "$(link_names "$startmenu/ペクル.lnk" | grep -i 'pekuru' | head -n 3 | tr '\n' ' ')"
    fi
    check "$label: Start-menu ペクルのアンインストール.lnk" \
        "$(ok_if test -f "$startmenu/ペクルのアンインストール.lnk")" "$startmenu_win\\ペクルのアンインストール.lnk" \
        "$(ls "$startmenu" 2>/dev/null | tr '\n' ' ' || echo 'no folder')"

    if ! read_entry; then
        check "$label: the uninstall entry" no "$key" "no such key"
        return 0
    fi
    local v
    v=$(entry_value DisplayName)
    check "$label: DisplayName" "$( [[ $v == ペクル ]] && echo ok)" "ペクル" "$v"
    v=$(entry_value InstallLocation)
    check "$label: InstallLocation" "$( [[ $(lower "$v") == "$(lower "$instdir_win")" ]] && echo ok)" "$instdir_win" "$v"
    v=$(entry_value UninstallString)
    check "$label: UninstallString" "$( [[ $(lower "$v") == "$(lower "\"$instdir_win\\uninstall.exe\"")" ]] && echo ok)" \
        "\"$instdir_win\\uninstall.exe\"" "$v"
    v=$(entry_value QuietUninstallString)
    check "$label: QuietUninstallString" "$( [[ $(lower "$v") == "$(lower "\"$instdir_win\\uninstall.exe\" /S")" ]] && echo ok)" \
        "\"$instdir_win\\uninstall.exe\" /S" "$v"
    v=$(entry_value DisplayVersion)
    check "$label: DisplayVersion is the program's version" "$( [[ -n $v && $v == "${version:-}" ]] && echo ok)" \
        "${version:-(the version pekuru.exe --version prints)}" "$v"
}

# Every file the install put there is gone, and at most uninstall.exe (which cannot delete itself
# while it runs in place) and the files in KEEP are left.
check_uninstalled() { # check_uninstalled LABEL INSTDIR_WINDOWS FILES_BEFORE KEEP...
    local label=$1 instdir_win=$2 before=$3 instdir left f
    shift 3
    instdir=$(to_unix "$instdir_win")
    left=$( { [[ -d $instdir ]] && cd "$instdir" && find . -type f -printf '%P\n' | sort; } | grep -vx 'uninstall.exe')
    local keep
    keep=$(printf '%s\n' "$@" | sed '/^$/d' | sort)
    check "$label: only the user's files are left in the install folder" "$( [[ $left == "$keep" ]] && echo ok)" \
        "${keep:-nothing}" "$(tr '\n' ' ' <<<"${left:-nothing}")"
    local still=0
    while IFS= read -r f; do
        [[ $f == uninstall.exe || -z $f ]] && continue
        [[ -e $instdir/$f ]] && still=$((still + 1))
    done <"$before"
    check "$label: the installed files are deleted" "$( [[ $still -eq 0 ]] && echo ok)" "0 left" "$still left"
    check "$label: the Start-menu folder is gone" "$(ok_if test ! -e "$startmenu")" "no $startmenu_win" \
        "$(ls "$startmenu" 2>/dev/null | tr '\n' ' ')"
    check "$label: the uninstall entry is gone" "$(ok_if test "$(w reg query "$key" >/dev/null 2>&1; echo $?)" -ne 0)" \
        "no $key" "the key is still there"
}

# ---- 1. silent install into the default folder --------------------------------------------------
default_win="$localappdata\\Programs\\pekuru"
default=$(to_unix "$default_win")
w "$installer" /S >"$work/install1.log" 2>&1
rc=$?
check "install /S exits 0" "$( [[ $rc -eq 0 ]] && echo ok)" "0" "$rc"

# --version, on standard output although pekuru.exe is a GUI program. Wine's module errors stay
# on, so that a missing DLL is named.
version_out=$(WINEDEBUG=-all,err+module w "$default/pekuru.exe" --version 2>"$work/version.err" | tr -d '\r')
rc=$?
version=$(sed -n 's/^ペクル \([0-9][0-9.]*\)$/\1/p' <<<"$version_out")
check "pekuru.exe --version" "$( [[ $rc -eq 0 && -n $version ]] && echo ok)" "exit 0 and 'ペクル X.Y.Z' on stdout" \
    "exit $rc, stdout '$version_out', stderr '$(head -c 400 "$work/version.err")'"
check_installed "default folder" "$default_win"

# Started the way the Start menu starts it: the Windows platform plugin on Wine's X driver.
(cd "$default" && WINEDEBUG=-all,err+module PEKURU_UNATTENDED=1 PEKURU_REPORT_SHOWN=1 \
    timeout 180 wine "$default/pekuru.exe" >"$work/run.out" 2>"$work/run.err") &
run_pid=$!
shown=no
for _ in $(seq 1200); do
    grep -q '^PEKURU_SHOWN ' "$work/run.err" 2>/dev/null && { shown=ok; break; }
    kill -0 "$run_pid" 2>/dev/null || break
    sleep 0.1
done
check "the installed program shows its first screen (Windows platform plugin)" "$shown" \
    "a 'PEKURU_SHOWN' line on stderr within 120 s" "$(tr -d '\r' <"$work/run.err" | tail -n 5 | tr '\n' ' ')"
# A picture of that screen, for a person to look at (xwd and netpbm).
if [[ -n ${PEKURU_INSTALL_CHECK_SCREENSHOT:-} && $shown == ok ]]; then
    sleep 2
    xwd -root | xwdtopnm 2>/dev/null | pnmtopng >"$PEKURU_INSTALL_CHECK_SCREENSHOT" ||
        echo "install-check: 画面の写真『$PEKURU_INSTALL_CHECK_SCREENSHOT』を作れませんでした (xwd, netpbm)" >&2
fi
WINEPREFIX=$prefix wineserver -k 2>/dev/null
wait "$run_pid" 2>/dev/null
check "the user's classroom is laid out from the demo classroom" \
    "$(ok_if holds_tree "$root/data/sample/教室" "$classroom")" \
    "$localappdata\\pekuru holding every file of data/sample/教室" "$(ls "$classroom" 2>/dev/null | tr '\n' ' ' || echo 'no folder')"

# ---- 2. the same install again, over it ---------------------------------------------------------
w "$installer" /S >"$work/install2.log" 2>&1
rc=$?
check "install /S over an installed copy exits 0" "$( [[ $rc -eq 0 ]] && echo ok)" "0" "$rc"
check_installed "reinstalled" "$default_win"

# ---- 3. silent uninstall; the classroom stays ---------------------------------------------------
# Whatever the program made of it, the classroom holds a records file from here on.
if [[ ! -d $classroom ]]; then
    mkdir -p "$classroom" && cp -r "$root/data/sample/教室/." "$classroom/"
fi
printf '2026/12/09,09:00:00,テスト,1,12.5\r\n' >>"$classroom/ペクル/成績累積データ.dat"
tree_sums "$classroom" >"$work/classroom.before"
(cd "$default" && find . -type f -printf '%P\n' | sort) >"$work/files1"
w "$default/uninstall.exe" /S "_?=$default_win" >"$work/uninstall1.log" 2>&1
rc=$?
check "uninstall /S exits 0" "$( [[ $rc -eq 0 ]] && echo ok)" "0" "$rc"
check_uninstalled "uninstalled" "$default_win" "$work/files1"
tree_sums "$classroom" >"$work/classroom.after"
check "the classroom and its records are untouched" \
    "$(ok_if cmp -s "$work/classroom.before" "$work/classroom.after")" \
    "$(wc -l <"$work/classroom.before") files as before" \
    "$(diff "$work/classroom.before" "$work/classroom.after" | sed -n 's/^\([<>]\) [0-9a-f]*  /\1 /p' | head -n 4 | tr '\n' ' ')"

# ---- 4. another folder (/D=), a file of the user's beside the program ---------------------------
other_win='C:\ペクル試験\プログラム'
other=$(to_unix "$other_win")
w "$installer" /S "/D=$other_win" >"$work/install3.log" 2>&1
rc=$?
check "install /S /D=$other_win exits 0" "$( [[ $rc -eq 0 ]] && echo ok)" "0" "$rc"
check_installed "/D= folder" "$other_win"
check "/D= leaves the default folder alone" "$(ok_if test ! -e "$default/pekuru.exe")" "no $default_win\\pekuru.exe" "it is there"
(cd "$other" && find . -type f -printf '%P\n' | sort) >"$work/files2"
printf 'メモ\r\n' >"$other/メモ.txt" 2>/dev/null
w "$other/uninstall.exe" /S "_?=$other_win" >"$work/uninstall2.log" 2>&1
rc=$?
check "uninstall /S of the /D= folder exits 0" "$( [[ $rc -eq 0 ]] && echo ok)" "0" "$rc"
check_uninstalled "/D= folder uninstalled" "$other_win" "$work/files2" "メモ.txt"
check "the classroom is still untouched" "$(ok_if cmp -s "$work/classroom.before" <(tree_sums "$classroom"))" \
    "as before" "changed"

echo "install-check: $passed passed, $failures failed"
[[ $failures -eq 0 ]]
