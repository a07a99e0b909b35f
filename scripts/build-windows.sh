#!/usr/bin/env bash
# Builds ペクル for 64-bit Windows, here on Debian: the program, its test programs, a portable folder
# and the NSIS installer build-windows/pekuru-<version>-setup.exe.
#
# Everything comes from Debian's packages: MinGW-w64 (posix threads), Wine, NSIS, and the source of
# Debian's own qt6-base of the same version as the Linux build, cross-built once for Windows and
# kept in a cache outside the checkout (PEKURU_WINDOWS_CACHE, default /var/cache/pekuru), keyed by
# the Qt version and a hash of the options and patches below: only a fresh machine pays for it.
#
#   scripts/build-windows.sh          the whole build (./test calls it)
#   scripts/build-windows.sh qt       only the Qt for Windows in the cache
#   scripts/build-windows.sh qt-path  prints where that Qt is (or will be) in the cache
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
root=$PWD
what=${1:-all}

cache=${PEKURU_WINDOWS_CACHE:-/var/cache/pekuru}
triplet=x86_64-w64-mingw32
toolchain=$root/packaging/windows/mingw-toolchain.cmake
out=$root/build-windows

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

log() { echo "build-windows: $*"; }

# ---- Debian packages -------------------------------------------------------------------------
packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine64 nsis dpkg-dev xz-utils patch
    # what Wine's spooler sends the print queue is PostScript: the tests read it through ghostscript
    ghostscript
    # the host Qt whose tools (moc, rcc, uic) the cross-build runs; GoogleTest's source
    qt6-base-dev qt6-base-dev-tools googletest
    # the Japanese font shipped with the Windows program when Windows has none
    fonts-ipafont-gothic
    # Wine's windows need an X server, its sounds PulseAudio, even for the tests
    xvfb xauth pulseaudio pulseaudio-utils
)
install_packages() {
    local missing=() p status
    for p in "${packages[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || missing+=("$p")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    log "installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# ---- Debian's Qt source ----------------------------------------------------------------------
# Source lines are derived from the machine's own apt sources: every binary stanza of this release
# (deb822 files and one-line sources.list entries alike) is repeated as a deb-src stanza, so the
# source comes from whichever mirror the machine already uses.
enable_source_lines() {
    local target=/etc/apt/sources.list.d/pekuru-deb-src.sources
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [[ -n $codename ]] || { echo "build-windows: /etc/os-release names no release" >&2; exit 1; }
    local generated
    generated=$(python3 "$root/scripts/windows/deb-src-lines.py" "$codename" /etc/apt/sources.list /etc/apt/sources.list.d)
    if [[ -z $generated ]]; then
        echo "build-windows: no apt source of Debian $codename to take source lines from" >&2
        exit 1
    fi
    if [[ ! -f $target ]] || [[ $(cat "$target") != "$generated" ]]; then
        log "enabling source lines for $codename in $target"
        printf '%s\n' "$generated" | "${sudo[@]}" tee "$target" >/dev/null
        "${sudo[@]}" apt-get update
    fi
}

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)
qt_upstream=${qt_version%%+*}

# The Windows Qt: only what the program and its tests use (Core, Gui, Widgets, PrintSupport, Test),
# the windows and offscreen platforms, the built-in BMP and PNG readers and the JPEG plugin, all on
# Qt's own copies of zlib, libpng, libjpeg, FreeType, HarfBuzz and PCRE2 (Debian ships no MinGW
# builds of them). No Direct2D or DirectWrite (GDI draws the text; Qt 6.4 fails to link its print
# engine with DirectWrite but without Direct2D), no OpenGL (Wine's would need a GPU), no tablet
# events (6.4 fails to build them with MinGW), no network, SQL, D-Bus, XML or Concurrent.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no -DFEATURE_tabletevent=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_fontconfig=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_gif=OFF -DFEATURE_ico=ON
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON
)
qt_patches=("$root"/packaging/windows/qt-*.patch)

qt_prefix() {
    local key
    key=$( { printf '%s\n' "$qt_version" "${qt_options[@]}"; cat "${qt_patches[@]}" "$toolchain"; } | sha256sum | cut -c1-12)
    echo "$cache/qt-$qt_upstream-mingw-$key"
}

build_qt() {
    local prefix
    prefix=$(qt_prefix)
    if [[ -f $prefix/.complete ]]; then
        log "Qt $qt_upstream for Windows from the cache: $prefix"
        return 0
    fi
    enable_source_lines
    local work=$cache/work-qt
    "${sudo[@]}" mkdir -p "$cache"
    [[ -w $cache ]] || "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"
    rm -rf "$work" && mkdir -p "$work/src"
    log "fetching Debian's qt6-base $qt_version source"
    (cd "$work/src" && apt-get source --download-only "qt6-base=$qt_version" 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
    local dsc
    dsc=$(ls "$work"/src/qt6-base_*.dsc)
    dpkg-source -x "$dsc" "$work/qt" >/dev/null
    local p
    for p in "${qt_patches[@]}"; do patch -d "$work/qt" -p1 --quiet <"$p"; done
    log "configuring Qt $qt_upstream for $triplet (the first time only; about half an hour)"
    local started=$SECONDS
    cmake -G Ninja -S "$work/qt" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log"; exit 1; }
    rm -rf "$prefix"
    cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; exit 1; }
    echo "$qt_version built in $((SECONDS - started)) s on $(nproc) cores" >"$prefix/.complete"
    log "Qt $qt_upstream for Windows built in $((SECONDS - started)) s into $prefix"
    rm -rf "$work"
}

if [[ $what == qt-path ]]; then
    qt_prefix
    exit 0
fi
install_packages
[[ -n $qt_version ]] || qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_upstream=${qt_version%%+*}
build_qt
[[ $what == qt ]] && exit 0

# ---- ペクル for Windows --------------------------------------------------------------------------
qt=$(qt_prefix)
export PEKURU_WINDOWS_QT=$qt
# The build runs two of our own tools (the idiom table's scrambler, the icon maker) and ctest runs
# every test program: all of them Windows programs, started under Wine by this wrapper.
emulator=$root/tests/windows/wine-run.sh
log "configuring ペクル for Windows in build-windows/"
# Qt's own toolchain file finds the Windows Qt (and the host Qt's tools) and loads ours for the
# compilers; it is told where ours is, since the cache may have been filled from another checkout.
cmake -G Ninja -S "$root" -B "$out" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
    -DPEKURU_LINUX_BUILD="$root/build" -DPEKURU_BUILD_PICTURE_MAKER=ON >/dev/null
log "building"
cmake --build "$out" --parallel "$(nproc)"

version=$(sed -n 's/^project(pekuru VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
portable=$out/pekuru-$version-portable
log "portable folder $portable"
"$root/scripts/windows/deploy.sh" "$out" "$qt" "$portable"
installer=$out/pekuru-$version-setup.exe
log "installer $installer"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$portable" -DOUTFILE="$installer" \
    "$root/packaging/windows/pekuru.nsi"
log "done: $installer ($(du -k "$installer" | cut -f1) KiB)"
