#!/usr/bin/env bash
# Takes the README's pictures under Xvfb: the main window on the graded
# sample class (the sample standard with every value selected, the five
# archives imported from their folder, scores computed, 王五 chosen), in a
# light and a dark look: docs/tmscore-light.png and docs/tmscore-dark.png;
# and the settings dialog's standard page and its "地震信息" page:
# docs/tmscore-settings-standard.png and docs/tmscore-settings-items.png;
# the "选项" dialog: docs/tmscore-options.png; and the "班级分析" dialog's
# two tables, with a copy of 王五's archive handed in as 王五抄 among the
# class: docs/tmscore-analysis-items.png and docs/tmscore-analysis-pairs.png.
# Look at them before committing: Chinese readable, nothing cut, icons sharp.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTM_BUILD_TESTS=ON >/dev/null
cmake --build build -j2 --target tmscore-cli tmscore-screenshots

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/class" docs
cp samples/archives/*.zip "$work/class/"
cp samples/archives/王五.zip "$work/class/王五抄.zip"
build/bin/tmscore-cli standard samples/standard/frame.prj -o "$work/config.xml" --select all >/dev/null 2>&1

xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/tmscore-screenshots "$work" docs "$work/class"
