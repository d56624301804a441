#!/usr/bin/env bash
# Proves that a change keeps what tmscore-cli shows and writes: builds
# tmscore-cli from a base revision and from the working tree, runs both on
# the same inputs at the same paths, and compares stdout, stderr, exit
# status and every file the runs leave behind (unpacked projects, scoring
# standards, per-student and summary workbooks) byte for byte.
#
#   bash tests/compare_outputs.sh [BASE_REV]     # default 9ff50d5
#
# The runs: `values` on every sample project; the sample class (its five
# archives) and a class of 200 renamed copies of them, each graded with
# --report --summary as a table and as JSON, and the sample class graded a
# second time over its unpacked folders; a few usage errors. Builds and run
# folders live in build-compare/; the base build is kept for its revision.
# Exit status 0 when everything is identical, 1 when anything differs.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
rev=$(git -C "$repo" rev-parse --verify "${1:-9ff50d5}^{commit}")
work=$repo/build-compare
jobs=2
mkdir -p "$work"

build() {  # build SOURCE BUILD_DIR
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$2" -j"$jobs" --target tmscore-cli >/dev/null
}

base_build=$work/base-$rev
if [ ! -x "$base_build/build/bin/tmscore-cli" ]; then
  echo "building $rev ..."
  rm -rf "$base_build"
  mkdir -p "$base_build/src"
  git -C "$repo" archive "$rev" | tar -x -C "$base_build/src"
  build "$base_build/src" "$base_build/build"
fi
echo "building the working tree ..."
build "$repo" "$work/current"

# Both runs use this folder, so paths in messages and JSON are the same.
run=$work/run

# step NAME COMMAND...: runs the command in $run, keeping its stdout, stderr
# and exit status under $run/results/.
step() {
  local name=$1 status=0
  shift
  (cd "$run" && "$@") >"$run/results/$name.out" 2>"$run/results/$name.err" || status=$?
  echo "$status" >"$run/results/$name.status"
}

class() {  # class FOLDER COPIES: FOLDER gets COPIES archives, the samples in turn
  local folder=$run/$1 copies=$2 i=0
  local archives=("$repo"/samples/archives/*.zip)
  mkdir -p "$folder"
  if [ "$copies" -eq 0 ]; then
    cp "${archives[@]}" "$folder"/
    return
  fi
  for ((i = 0; i < copies; i++)); do
    local archive=${archives[i % ${#archives[@]}]}
    cp "$archive" "$folder/$(printf '%03d' $((i + 1)))_$(basename "$archive")"
  done
}

run_all() {  # run_all CLI
  local cli=$1
  rm -rf "$run"
  mkdir -p "$run/results"

  step usage "$cli"
  step grade-usage "$cli" grade --standard
  for prj in "$repo"/samples/standard/frame.prj "$repo"/samples/students/*/frame.prj; do
    step "values-$(basename "$(dirname "$prj")")" "$cli" values "$prj"
  done

  step standard "$cli" standard "$repo/samples/standard/frame.prj" -o "$run/Tesmo评分标准.xml"
  local standard=$run/Tesmo评分标准.xml

  class sample-table 0
  step sample-table "$cli" grade --standard "$standard" --report --summary "$run/sample-table/评分汇总.xls" \
    "$run"/sample-table/*.zip
  # Again over the unpacked folders: every "要覆盖吗？" answered No.
  step sample-again "$cli" grade --standard "$standard" --report --summary "$run/sample-table/评分汇总.xls" \
    "$run"/sample-table/*.zip
  class sample-json 0
  step sample-json "$cli" grade --standard "$standard" --report --summary "$run/sample-json/评分汇总.xls" --json \
    "$run"/sample-json/*.zip

  class class-table 200
  step class-table "$cli" grade --standard "$standard" --report --summary "$run/class-table/评分汇总.xls" \
    "$run"/class-table/*.zip
  class class-json 200
  step class-json "$cli" grade --standard "$standard" --report --summary "$run/class-json/评分汇总.xls" --json \
    --jobs 2 "$run"/class-json/*.zip
}

run_all "$base_build/build/bin/tmscore-cli"
rm -rf "$work/out-base"
mv "$run" "$work/out-base"
run_all "$work/current/bin/tmscore-cli"
rm -rf "$work/out-current"
mv "$run" "$work/out-current"

files=$(cd "$work/out-base" && find . -type f | wc -l)
if diff -r "$work/out-base" "$work/out-current" >"$work/differences.txt"; then
  echo "identical: $files files (outputs, statuses and written files) of $rev and the working tree"
  exit 0
fi
echo "DIFFERENT from $rev (full list in $work/differences.txt):"
head -n 40 "$work/differences.txt"
exit 1
