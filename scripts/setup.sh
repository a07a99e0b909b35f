#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running ペクル need, when any is missing.
# When everything is already there it only checks, so calling it before every build costs well under a
# second. Used by ./run and ./test; it can also be run by itself.
set -euo pipefail

packages=(
    # compilers and build tools
    build-essential cmake ninja-build pkg-config
    # Qt 6 (Core, Gui, Widgets, PrintSupport, Test) and Qt Multimedia for the sound cues
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 libgl-dev
    # wave files decoded by libsndfile: PCM, float, IMA and Microsoft ADPCM, μ-law, A-law, GSM 6.10
    libsndfile1-dev
    # tests and benchmarks; sox makes the compressed wave files that the sound tests decode and play
    libgtest-dev libgmock-dev libbenchmark-dev sox
    # the sanitizer and fuzzing build (clang's ASan, UBSan and libFuzzer runtimes)
    clang-14 libclang-rt-14-dev
    # the Japanese screen font
    fonts-ipafont-gothic
    # photos of more kinds for the puzzle pictures (WebP, TIFF and others)
    qt6-image-formats-plugins
    # a virtual display for machines without one, checking printed PDF pages, sound output
    xvfb xauth poppler-utils pulseaudio pulseaudio-utils
    # the whole visit under a real X server with real pointer input (XTest)
    libxtst-dev
    # a private print spooler for the printing tests (tests/e2e/with-cupsd.sh); Qt's CUPS print
    # plugin itself comes with libqt6printsupport6, which qt6-base-dev already brings
    cups-daemon cups-client
    # the desktop tests (tests/e2e/desktop): the program as separate processes on private D-Bus
    # session buses, found through the accessibility bus (AT-SPI) from Python, with XTest input
    dbus-daemon dbus-bin at-spi2-core python3 python3-gi gir1.2-atspi-2.0 python3-xlib util-linux
    # installing and packaging: the desktop entry check, the Debian package and its checks
    desktop-file-utils dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "setup: these packages are missing and installing them needs root (or sudo): ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

echo "setup: installing ${#missing[@]} missing Debian packages: ${missing[*]}"
started=$SECONDS
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: packages installed in $((SECONDS - started)) s"
