#!/usr/bin/env bash
# Checks what a user gets from the build directory:
#   install-check.sh install BUILD SOURCE  - `cmake --install` into a temporary prefix: the files, the
#       desktop entry, the icons, the demo classroom, and the installed program started with a fresh
#       HOME laying out the user's own classroom (and keeping it on the next start).
#   install-check.sh package BUILD SOURCE  - the Debian package made by CPack: its fields and contents.
# Exits non-zero, naming what is wrong, at the first fault.
set -euo pipefail
# Japanese file names and texts: a UTF-8 locale whatever the caller has.
export LC_ALL=C.UTF-8
mode=$1 build=$2 source=$3
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install-check: $*" >&2; exit 1; }
demo_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }

# Starts the installed program headless with HOME=$1 (stderr to $2) and waits, with a generous
# deadline, until its first window is shown. Leaves the pid in $started.
start_program() {
    local home=$1 log=$2 prefix=$3
    mkdir -p "$home/run" && chmod 700 "$home/run"
    env -u XDG_DATA_HOME -u PEKURU_FOLDER HOME="$home" XDG_RUNTIME_DIR="$home/run" \
        XDG_DATA_DIRS="$work/no-system-data" QT_QPA_PLATFORM=offscreen PEKURU_UNATTENDED=1 \
        PEKURU_REPORT_SHOWN=1 "$prefix/bin/pekuru" 2>"$log" &
    started=$!
    pids+=("$started")
    local deadline=$((SECONDS + 60))
    until grep -q '^PEKURU_SHOWN ' "$log"; do
        kill -0 "$started" 2>/dev/null || fail "the installed program ended before showing a screen: $(cat "$log")"
        ((SECONDS < deadline)) || fail "the installed program showed no screen within 60 s: $(cat "$log")"
        sleep 0.1
    done
}

check_install() {
    local prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed: $(cat "$work/install.log")"
    [[ -x $prefix/bin/pekuru ]] || fail "bin/pekuru is missing or not executable"
    file -L "$prefix/lib/pekuru/pekuru-sound.so" | grep -q 'ELF.*shared object' || fail "the sound module lib/pekuru/pekuru-sound.so is missing"
    [[ -f $prefix/share/pekuru/help/index.html && -f $prefix/share/pekuru/help/pictures/FrmHelp.png ]] ||
        fail "the guide share/pekuru/help is missing"

    local desktop=$prefix/share/applications/pekuru.desktop
    [[ -f $desktop ]] || fail "share/applications/pekuru.desktop is missing"
    for line in 'Type=Application' 'Name=ペクル' 'Name[ja]=ペクル' 'Exec=pekuru' 'Icon=pekuru' 'Categories=Education;Game;'; do
        grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line '$line'"
    done
    grep -qP '^Comment=.*[\x{3040}-\x{30FF}]' "$desktop" || fail "the desktop entry's Comment is not Japanese"
    if command -v desktop-file-validate >/dev/null; then
        # Hints are advice (two main categories are wanted here); errors and warnings are not.
        local said
        said=$(desktop-file-validate "$desktop" 2>&1 || true)
        if grep -qE ': (error|warning):' <<<"$said"; then fail "desktop-file-validate: $said"; fi
    fi

    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/pekuru.svg" || fail "the scalable icon is missing"
    for size in 16 22 24 32 48 64 128 256; do
        local png=$prefix/share/icons/hicolor/${size}x${size}/apps/pekuru.png
        file "$png" | grep -q "PNG image data, $size x $size" || fail "icon $png is not a $size × $size PNG"
    done

    local demo=$prefix/share/pekuru/教室
    [[ $(demo_files "$demo") == "$(demo_files "$source/data/sample/教室")" ]] || fail "the installed demo classroom differs from data/sample/教室"
    diff -r "$demo" "$source/data/sample/教室" >/dev/null || fail "the installed demo classroom's files differ from data/sample/教室"

    # First start from the menu: no --folder, nothing beside the program, a fresh HOME.
    local home=$work/home own=$work/home/.local/share/pekuru
    start_program "$home" "$work/first.log" "$prefix"
    # The program itself adds the (empty) shared result file on its first look at the records.
    diff -r -x 成績累積データ.dat "$own" "$demo" >"$work/diff" || fail "the user's classroom $own is not a copy of the demo classroom: $(cat "$work/diff")"
    grep -q "自分用の教室を $own に用意しました" "$work/first.log" || fail "the first start did not say where the classroom was laid out: $(cat "$work/first.log")"
    kill "$started"; wait "$started" 2>/dev/null || true

    # The family's roster survives the next start, which lays out nothing.
    printf '1,2015,0,0,"はなこ",0,"",""\r\n' | iconv -f UTF-8 -t CP932 >"$own/生徒用名簿.txt"
    cp "$own/生徒用名簿.txt" "$work/roster"
    start_program "$home" "$work/second.log" "$prefix"
    cmp -s "$own/生徒用名簿.txt" "$work/roster" || fail "the second start changed the user's roster"
    if grep -q '用意しました' "$work/second.log"; then fail "the second start laid out the classroom again"; fi
    kill "$started"; wait "$started" 2>/dev/null || true

    # A copy of the program with no demo classroom anywhere says so in Japanese and ends.
    mkdir -p "$work/lone/bin" "$work/lone-home"
    cp "$prefix/bin/pekuru" "$work/lone/bin/"
    local rc=0
    env -u XDG_DATA_HOME -u PEKURU_FOLDER HOME="$work/lone-home" XDG_DATA_DIRS="$work/no-system-data" \
        QT_QPA_PLATFORM=offscreen PEKURU_UNATTENDED=1 "$work/lone/bin/pekuru" 2>"$work/lone.log" || rc=$?
    [[ $rc -eq 1 ]] || fail "without any classroom the program ended with status $rc, not 1"
    grep -q 'ペクルの教室が見つかりません' "$work/lone.log" || fail "without any classroom the message was: $(cat "$work/lone.log")"
    echo "install-check: install OK"
}

check_package() {
    (cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"
    local deb
    deb=$(ls "$work"/deb/pekuru_*.deb 2>/dev/null | head -n 1)
    [[ -n $deb ]] || fail "cpack made no pekuru_*.deb: $(cat "$work/cpack.log")"
    local contents
    contents=$(dpkg-deb -c "$deb")
    for path in ./usr/bin/pekuru ./usr/lib/pekuru/pekuru-sound.so ./usr/share/applications/pekuru.desktop \
        ./usr/share/icons/hicolor/scalable/apps/pekuru.svg ./usr/share/icons/hicolor/48x48/apps/pekuru.png \
        ./usr/share/pekuru/教室/ペクル/設定.txt ./usr/share/pekuru/教室/生徒用名簿.txt \
        ./usr/share/pekuru/教室/音フォルダ/新音ファイル.txt ./usr/share/pekuru/help/index.html; do
        grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
    done
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for pkg in fonts-ipafont-gothic libqt6widgets6 libqt6gui6 libqt6multimedia6 libsndfile1; do
        grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || fail "the package does not depend on $pkg: $depends"
    done
    [[ -n $(dpkg-deb -f "$deb" Maintainer) ]] || fail "the package has no maintainer"
    local description
    description=$(dpkg-deb -f "$deb" Description)
    grep -q 'puzzle drill for pupils' <<<"$description" || fail "the description has no English text"
    grep -q 'タイルパズル' <<<"$description" || fail "the description has no Japanese text"
    echo "install-check: package $(basename "$deb") OK ($(wc -l <<<"$contents") entries)"
}

case $mode in
install) check_install ;;
package) check_package ;;
*) fail "unknown mode $mode (install or package)" ;;
esac
