#!/usr/bin/env bash
# Installs what is missing, builds, and grades the bundled sample class end
# to end: the standard project samples/standard/frame.prj becomes a scoring
# standard with every value selected; the students' archives are copied to
# build/sample-run/ (the tracked samples stay untouched), unpacked there,
# loaded, scored, and every student's workbook, the summary workbook and the
# class workbook are written beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tmscore-cli

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
