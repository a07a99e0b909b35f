#!/usr/bin/env bash
# Lays out the portable Windows folder of ペクル from a cross-build:
#
#   scripts/windows/deploy.sh BUILD_DIR QT_PREFIX OUT_DIR
#
#   OUT_DIR/pekuru.exe                  the program (BUILD_DIR/src/app/pekuru.exe)
#   OUT_DIR/*.dll                       every DLL it needs: Qt's and the MinGW runtime's
#   OUT_DIR/qt.conf, plugins/           Qt's platform, image format and style plugins
#   OUT_DIR/help/                       the guide (the program looks beside itself first)
#   OUT_DIR/share/pekuru/教室/           the demo classroom the user's own classroom is laid out from
#   OUT_DIR/fonts/                      IPA Gothic and P Gothic, with their licence
#   OUT_DIR/README.txt, licences/       what the folder is, and the licences of what it ships
#
# The DLLs are found by following the PE import tables from the program and the plugins, through
# QT_PREFIX/bin and the MinGW-w64 runtime, until nothing new is imported. Windows' own DLLs are
# passed over by name from the list below; any other DLL that is not found stops the script, since a
# folder without it would only fail on the user's computer.
set -euo pipefail
export LC_ALL=C.UTF-8

usage() { echo "使い方: deploy.sh BUILD_DIR QT_PREFIX OUT_DIR" >&2; exit 2; }
fail() { echo "deploy: $*" >&2; exit 1; }
[[ $# -eq 3 && -n $1 && -n $2 && -n $3 ]] || usage

root=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
build=$(realpath -- "$1" 2>/dev/null) || fail "ビルドフォルダ『$1』がありません"
qt=$(realpath -- "$2" 2>/dev/null) || fail "Qt のフォルダ『$2』がありません"
out=$(realpath -m -- "$3")
triplet=x86_64-w64-mingw32
objdump=$triplet-objdump
strip=$triplet-strip
for tool in "$objdump" "$strip"; do
    command -v "$tool" >/dev/null || fail "$tool がありません (Debian のパッケージ binutils-mingw-w64-x86-64)"
done

exe=$build/src/app/pekuru.exe
[[ -f $exe ]] || fail "プログラム『$exe』がありません。先に Windows 用にビルドしてください。"
[[ -f $qt/bin/Qt6Core.dll ]] || fail "『$qt/bin/Qt6Core.dll』がありません。QT_PREFIX には Windows 用の Qt を指定してください。"

# ---- Windows' own DLLs -------------------------------------------------------------------------
# Every Windows (7 and later) has these; they are never shipped. Lower case, as compared.
system_dlls=(
    advapi32.dll authz.dll bcrypt.dll cfgmgr32.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll
    d3d11.dll d3d12.dll d3d9.dll d3dcompiler_47.dll dcomp.dll dnsapi.dll dwmapi.dll dwrite.dll dxgi.dll
    gdi32.dll gdiplus.dll hid.dll imm32.dll iphlpapi.dll kernel32.dll mpr.dll msimg32.dll msvcrt.dll
    ncrypt.dll netapi32.dll normaliz.dll ntdll.dll ole32.dll oleacc.dll oleaut32.dll opengl32.dll
    powrprof.dll propsys.dll psapi.dll rpcrt4.dll secur32.dll setupapi.dll shcore.dll shell32.dll
    runtimeobject.dll shlwapi.dll ucrtbase.dll uiautomationcore.dll user32.dll userenv.dll usp10.dll
    uxtheme.dll version.dll winhttp.dll wininet.dll winmm.dll winspool.drv wldap32.dll ws2_32.dll
    wtsapi32.dll
)
# The API sets (api-ms-win-crt-*, ext-ms-win-*) are names the loader maps to system DLLs.
system_patterns=('api-ms-win-*' 'ext-ms-win-*')
declare -A is_system=()
for d in "${system_dlls[@]}"; do is_system[$d]=1; done
is_system_dll() {
    [[ -n ${is_system[$1]:-} ]] && return 0
    local p
    for p in "${system_patterns[@]}"; do
        # shellcheck disable=SC2053
        [[ $1 == $p ]] && return 0
    done
    return 1
}

# ---- where DLLs are looked for -----------------------------------------------------------------
# The runtime of the compiler that built the program: its version's posix-thread folder (the
# win32-thread libstdc++ of the same version is not compatible with it).
gcc_dirs=()
if command -v $triplet-gcc-posix >/dev/null; then
    v=$($triplet-gcc-posix -dumpversion)
    [[ -d /usr/lib/gcc/$triplet/$v-posix ]] && gcc_dirs=("/usr/lib/gcc/$triplet/$v-posix")
fi
if [[ ${#gcc_dirs[@]} -eq 0 ]]; then
    mapfile -t gcc_dirs < <(ls -d /usr/lib/gcc/$triplet/*-posix 2>/dev/null | sort -V -r)
fi
search_dirs=("$qt/bin" "${gcc_dirs[@]}" "/usr/$triplet/lib")

# The file NAME in one of the search folders, matched without regard to case as Windows does.
find_dll() {
    local dir hit
    for dir in "${search_dirs[@]}"; do
        [[ -d $dir ]] || continue
        hit=$(find "$dir" -maxdepth 1 -type f -iname "$1" -print -quit)
        [[ -n $hit ]] && { echo "$hit"; return 0; }
    done
    return 1
}

# The DLL names a PE file imports (lower case).
imports_of() {
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*\(.*[^[:space:]]\)[[:space:]]*$/\1/p' |
        tr '[:upper:]' '[:lower:]' | sort -u
}

is_pe64() { "$objdump" -f "$1" 2>/dev/null | grep -q 'file format pei-x86-64'; }

# ---- the folder --------------------------------------------------------------------------------
# OUT_DIR is made anew; a folder that is not one this script made is not emptied.
if [[ -e $out ]]; then
    [[ -d $out ]] || fail "『$out』はフォルダではありません"
    if [[ -n $(ls -A "$out") && ! -f $out/pekuru.exe ]]; then
        fail "『$out』は空でなく、ペクルのフォルダでもありません。空のフォルダか新しい名前を指定してください。"
    fi
    rm -rf -- "$out"
fi
mkdir -p "$out"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null | head -n 1)
[[ -n $version ]] || fail "『$build/CMakeCache.txt』に CMAKE_PROJECT_VERSION がありません"

is_pe64 "$exe" || fail "『$exe』は 64 ビットの Windows のプログラムではありません"
cp -- "$exe" "$out/pekuru.exe"
pe_files=("$out/pekuru.exe")
# The sound module, when the build makes one for Windows, is loaded from beside the program.
if [[ -f $build/src/app/pekuru-sound.dll ]]; then
    cp -- "$build/src/app/pekuru-sound.dll" "$out/"
    pe_files+=("$out/pekuru-sound.dll")
fi

# Plugins: the Windows platform (required: without it no window opens), the JPEG and icon readers
# (photos and the window icon), and the Vista style when this Qt has it.
plugins=(platforms/qwindows.dll imageformats/qjpeg.dll imageformats/qico.dll)
optional_plugins=(styles/qwindowsvistastyle.dll)
[[ -d $qt/plugins ]] || fail "『$qt/plugins』がありません (Qt のプラグインのフォルダ)"
for p in "${plugins[@]}" "${optional_plugins[@]}"; do
    if [[ ! -f $qt/plugins/$p ]]; then
        [[ " ${optional_plugins[*]} " == *" $p "* ]] && continue
        fail "Qt のプラグイン『$qt/plugins/$p』がありません"
    fi
    mkdir -p "$out/plugins/$(dirname "$p")"
    cp -- "$qt/plugins/$p" "$out/plugins/$p"
    pe_files+=("$out/plugins/$p")
done
# Qt looks for plugins under Prefix/Plugins, relative to the program's folder; without this file it
# would look in the build machine's Qt prefix instead.
printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\n' >"$out/qt.conf"

# Follow the imports until every needed DLL is in the folder.
declare -A shipped=()
queue=("${pe_files[@]}")
while [[ ${#queue[@]} -gt 0 ]]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [[ -z $dll ]] && continue
        is_system_dll "$dll" && continue
        [[ -n ${shipped[$dll]:-} ]] && continue
        from=$(find_dll "$dll") || fail "${file#"$out"/} が使う $dll が見つかりません (さがした場所: ${search_dirs[*]})"
        is_pe64 "$from" || fail "『$from』は 64 ビットの DLL ではありません (${file#"$out"/} が使う $dll)"
        cp -- "$from" "$out/$(basename "$from")"
        shipped[$dll]=$from
        queue+=("$out/$(basename "$from")")
    done < <(imports_of "$file")
done
# Debug information only makes the download bigger.
find "$out" -type f \( -iname '*.exe' -o -iname '*.dll' \) -exec "$strip" --strip-unneeded {} +

# ---- data --------------------------------------------------------------------------------------
cp -r -- "$root/data/help" "$out/help"
[[ -f $out/help/index.html ]] || fail "説明書『$root/data/help/index.html』がありません"
mkdir -p "$out/share/pekuru"
cp -r -- "$root/data/sample/教室" "$out/share/pekuru/教室"
[[ -f $out/share/pekuru/教室/ペクル/設定.txt ]] || fail "見本の教室『$root/data/sample/教室/ペクル/設定.txt』がありません"

# Windows without a Japanese font (Wine, some school images) still shows the texts.
fontdir=/usr/share/fonts/opentype/ipafont-gothic
fontdoc=/usr/share/doc/fonts-ipafont-gothic
mkdir -p "$out/fonts"
for f in ipagp.ttf ipag.ttf; do
    [[ -f $fontdir/$f ]] || fail "『$fontdir/$f』がありません (Debian のパッケージ fonts-ipafont-gothic)"
    cp -- "$fontdir/$f" "$out/fonts/$f"
done

# Text for Notepad: UTF-8 with a byte order mark and CRLF line ends.
as_windows_text() { printf '\xef\xbb\xbf'; sed 's/\r$//; s/$/\r/'; }

# The licence as its authors wrote it, taken out of Debian's copyright file (one space of indent,
# "." for an empty line).
awk 'on && $0 == "" { exit } on { sub(/^ /, ""); if ($0 == ".") $0 = ""; print }
     prev == "" && $0 == "License: IPA-1" { on = 1 } { prev = $0 }' "$fontdoc/copyright" | as_windows_text >"$out/fonts/IPA_Font_License_Agreement_v1.0.txt"
grep -q 'IPA Font License Agreement v1.0' "$out/fonts/IPA_Font_License_Agreement_v1.0.txt" ||
    fail "『$fontdoc/copyright』から IPA フォントのライセンスを取り出せませんでした"
cp -- "$fontdoc/Readme_IPAfont00303.txt" "$out/fonts/"

mkdir -p "$out/licences"
licence() {
    [[ -f $2 ]] || fail "ライセンスのファイル『$2』がありません"
    as_windows_text <"$2" >"$out/licences/$1"
}
licence Qt.txt /usr/share/doc/libqt6core6/copyright
licence GCC-runtime.txt /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
licence MinGW-w64.txt /usr/share/doc/mingw-w64-x86-64-dev/copyright

dll_lines=$(for d in "${!shipped[@]}"; do echo "  $(basename "${shipped[$d]}")"; done | sort)
as_windows_text >"$out/README.txt" <<EOF
ペクル $version (Windows 版)

幼稚園から高校までの子どものための、時間を計る絵合わせパズルのドリルです。

■ 起動
  pekuru.exe をダブルクリックします。このフォルダは、どこに置いても (USB メモリでも) 動きます。

■ 教室 (名簿と成績)
  はじめて起動したとき、見本の教室 (share\\pekuru\\教室) から自分用の教室を
  %LOCALAPPDATA%\\pekuru に作ります。成績はその中に記録されます。
  教室のパソコンで共有するフォルダを使うときは、pekuru.exe --folder <プログラムフォルダ> と
  起動するか、環境変数 PEKURU_FOLDER にそのフォルダを書きます (設定.txt のあるフォルダ)。
  このフォルダを消しても、アンインストールしても、教室と成績は消えません。

■ 使い方の説明書
  プログラムのメニュー「ヘルプ」▸「目次」で開きます (help\\index.html)。

■ 入っているもの
  pekuru.exe … ペクル
  help\\ … 使い方の説明書
  share\\pekuru\\教室\\ … 見本の教室
  fonts\\ … IPAゴシック・IPA Pゴシック (IPA フォントライセンス v1.0、
      fonts\\IPA_Font_License_Agreement_v1.0.txt)
  plugins\\、qt.conf … Qt のプラグイン
  licences\\ … Qt (LGPL 3)、GCC のランタイム (GCC Runtime Library Exception)、
      MinGW-w64 (winpthreads) のライセンス
  DLL (Qt と GCC のランタイム):
$dll_lines
EOF

echo "deploy: $out (ペクル $version、DLL ${#shipped[@]} 個: $(for d in "${!shipped[@]}"; do printf '%s ' "$(basename "${shipped[$d]}")"; done))"
