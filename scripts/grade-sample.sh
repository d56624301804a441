#!/usr/bin/env bash
# Installs what is missing, builds, and grades the bundled sample class end
# to end: the standard project samples/standard/frame.prj becomes a scoring
# standard with every value selected; the students' archives are copied to
# build/sample-run/ (the tracked samples stay untouched), unpacked there,
# loaded, scored, and every student's workbook, the summary workbook and the
# class workbook are written beside them. Last, build/sample-run/window/ is
# made a program folder for the desktop window (tmscore with config.xml and
# projectlist.txt beside it, naming the graded class); when a display is
# present the window opens on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tmscore-cli tmscore >/dev/null

cli=build/bin/tmscore-cli
run=build/sample-run
rm -rf "$run"
mkdir -p "$run"
cp samples/archives/*.zip "$run"/

"$cli" standard samples/standard/frame.prj -o "$run/Tesmo评分标准.xml"
echo
"$cli" grade --standard "$run/Tesmo评分标准.xml" --report --summary "$run/评分汇总.xls" \
  --details "$run/评分明细.xlsx" "$run"/*.zip
echo
echo "scoring standard:   $run/Tesmo评分标准.xml"
echo "summary workbook:   $run/评分汇总.xls"
echo "class workbook:     $run/评分明细.xlsx"
echo "student workbooks:  $(cd "$run" && ls -- *.xls | grep -v '^评分汇总.xls$' | sed "s|^|$run/|" | tr '\n' ' ')"

# The window keeps its workspace beside its program: give it a folder of its
# own holding the sample standard and the graded students (GBK, CR LF).
window="$run/window"
mkdir -p "$window"
cp build/bin/tmscore build/bin/libtmtools.so.1 "$window/"
cp "$run/Tesmo评分标准.xml" "$window/config.xml"
printf '%s\r\n' "$PWD/$run"/*/frame.prj | iconv -f UTF-8 -t GBK > "$window/projectlist.txt"
echo "desktop window:     $window/tmscore   (then 计算得分)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$window/tmscore" >/dev/null 2>&1 &
fi
