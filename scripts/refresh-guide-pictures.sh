#!/usr/bin/env bash
# scripts/refresh-guide-pictures.sh [OUT]: makes every picture the guide (data/help) shows, with the
# project's own screenshot tools, at 1024 × 768, into OUT (data/help/pictures unless given).
# Run it after a screen changed; it builds what it needs in build/. With PEKURU_BUILT naming a build
# folder that has them built already (the test of this script), it takes them from there instead.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
out=$(readlink -f "${1:-data/help/pictures}")
mkdir -p "$out"
build=${PEKURU_BUILT:-build}
[[ -n ${PEKURU_BUILT:-} ]] ||
    cmake --build build -j2 --target pekuru-grab-screens hub_screenshots test_drill_screen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R data/sample "$work/classroom"
cp -R data/help "$work/classroom/教室/ペクル/help"
mkdir -p "$work/shots"
export LC_ALL=C.UTF-8
tests/e2e/with-xvfb.sh "$build/tools/pekuru-grab-screens" --folder "$work/classroom/教室/ペクル" \
    --out "$work/shots" --size 1024x768 --suffix guide >/dev/null
tests/e2e/with-xvfb.sh "$build/tests/records/hub_screenshots" "$work/shots" 1024 768 >/dev/null
PEKURU_SCREENSHOTS="$work/shots" QT_QPA_PLATFORM=offscreen \
    "$build/tests/drill/test_drill_screen" --gtest_filter='*TextsFit*' >/dev/null
for name in namesel namesel-chosen FrmName2 FrmSyuuryou FormPrint0 frmPrint FrmPhotos FrmReport \
    FrmCertificate frmver FrmHelp; do
    cp "$work/shots/$name-guide.png" "$out/$name.png"
done
for name in hub-points hub-today hub-chart; do cp "$work/shots/$name-1024x768.png" "$out/$name.png"; done
for name in MainFrm-memorise MainFrm-arrange MainFrm-checked; do cp "$work/shots/$name-1024.png" "$out/$name.png"; done
echo "refresh-guide-pictures: $(ls "$out" | wc -l) pictures in $out"
