#!/usr/bin/env bash
# Grades a generated realistic class end to end and, in the same run on the
# same files, the anchors it is measured against:
#   - tmscore-cli grade --report --summary, with --jobs 1 and --jobs <cores>
#     (wall and CPU seconds, peak memory from /usr/bin/time -v);
#   - the phases of the same run (app_grade_class: unpack and load with
#     --jobs 1 and <cores>, compute, workbooks, summary);
#   - unzip -q -o, one process per archive; one Python process extracting
#     every archive with zipfile; cat of every extracted file to /dev/null;
#   - xlwt writing the same per-student workbooks.
# Prints each measure and the ratios (ours / anchor).
#
#   bash bench/grade_class.sh [N=500] [WORK=/tmp/tmscore-class-bench]
#
# Every step runs in WORK. Making a file on ext4 costs many times more for a
# while after thousands of files were deleted near it (the inodes of files
# deleted in the last minute are looked at and skipped): on a disk long used
# for such work, every program's new files cost more. For figures free of
# that, give a WORK on a fresh file system (a loop-mounted ext4 image).
#
# Build first (tmscore-cli and app_grade_class in build/bin, or set TM_BIN).
# The class is generated once per N under WORK (TM_FLOORS storeys, 18 by
# default) and kept for the next run.
set -euo pipefail
n=${1:-500}
src=$(cd "$(dirname "$0")/.." && pwd)
bin=${TM_BIN:-$src/build/bin}
work=${2:-/tmp/tmscore-class-bench}
class=$work/class$n
debian_python=/usr/bin/python3
cores=$(nproc)

for tool in "$bin/tmscore-cli" "$bin/app_grade_class" /usr/bin/time unzip; do
  [ -x "$(command -v "$tool")" ] || { echo "missing: $tool" >&2; exit 1; }
done
if [ ! -f "$class/class.tsv" ]; then
  rm -rf "$class"
  python3 "$src/samples/generate.py" --class "$n" --out "$class" --floors "${TM_FLOORS:-18}" >/dev/null
fi
"$bin/tmscore-cli" standard "$class"/standard/*.prj -o "$work/standard.xml" >/dev/null

# measure NAME COMMAND...: wall, user and system seconds and peak memory.
declare -A wall cpu peak
measure() {
  local name=$1
  shift
  /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/$name.err" || true
  read -r w u s m <"$work/time.txt"
  wall[$name]=$w
  cpu[$name]=$(echo "$u + $s" | bc)
  peak[$name]=$m
  printf '%-14s %8.2f s wall %8.2f s cpu %8.1f MB peak\n' "$name" "$w" "${cpu[$name]}" "$(echo "$m / 1024" | bc -l)"
}

# Nothing is deleted while measuring: ext4 skips the inodes of files
# deleted in the last minute when it makes a file, looking at each, and
# after the thousands of files of an earlier step every new file costs many
# times more, for any program. Folders of earlier steps and runs go to
# $work/trash, emptied here once; then the deletions are left a minute to
# age.
retire() {
  mkdir -p "$work/trash"
  [ -e "$1" ] && mv "$1" "$work/trash/$(date +%s%N)"
  return 0
}
if [ -n "$(ls -A "$work/trash" 2>/dev/null)" ] || [ -e "$work/run" ]; then
  for old in run unzip pyzip xlwt; do retire "$work/$old"; done
  rm -rf "$work/trash"
  sync
  echo "letting the deletions of the last run age (61 s)"
  sleep 61
fi

fresh() {
  retire "$work/run"
  mkdir -p "$work/run"
  cp "$class"/archives/*.zip "$work/run/"
  sync
}

echo "class of $n students: $(du -sh "$class/archives" | cut -f1) of archives, $cores cores"
for jobs in 1 "$cores"; do
  fresh
  measure "grade-j$jobs" "$bin/tmscore-cli" grade --standard "$work/standard.xml" --report \
    --summary "$work/run/评分汇总.xls" --jobs "$jobs" --json "$work"/run/*.zip
done
# The graded run's folder stays for the anchors that need its files.
"$bin/tmscore-cli" grade --standard "$work/standard.xml" --json --jobs "$cores" "$work"/run/*.zip \
  >"$work/grade.json" 2>/dev/null || true
python3 "$src/bench/check_class.py" "$class/class.tsv" "$work/grade.json" | grep -v "^does not fit" || true

mkdir -p "$work/unzip" "$work/pyzip"
measure unzip sh -c 'cd "$1" && for f in "$2"/*.zip; do d=${f##*/}; mkdir -p "${d%.zip}"; unzip -q -o "$f" -d "${d%.zip}" || true; done' \
  sh "$work/unzip" "$class/archives"
measure python-zip "$debian_python" -c 'import sys, zipfile, glob, os
for f in sorted(glob.glob(sys.argv[1] + "/*.zip")):
    zipfile.ZipFile(f).extractall(os.path.join(sys.argv[2], os.path.basename(f)[:-4]))' "$class/archives" "$work/pyzip"
measure cat sh -c 'find "$1" -type f -print0 | xargs -0 cat' sh "$work/unzip"

# New files, as ours are (the folder was retired above): an earlier run's
# workbooks would be overwritten in place, without the creation of a file
# that every new workbook costs.
"$debian_python" "$src/bench/xlwt_rewrite.py" "$work/run" "$work/xlwt" >"$work/xlwt.txt"
read -r books cells xlwt_seconds xlwt_cpu <"$work/xlwt.txt"
echo "xlwt           $books workbooks, $cells cells: $xlwt_seconds s wall, $xlwt_cpu s cpu"

TMPDIR=$work "$bin/app_grade_class" "$class" | tee "$work/phases.txt"
# Phase lines: name, wall seconds, "s", processor seconds, "cpu".
writer=$(awk '/^writer / {print $2}' "$work/phases.txt")
writer_cpu=$(awk '/^writer / {print $4}' "$work/phases.txt")
load1=$(awk '/^load -j1 / {print $3}' "$work/phases.txt")
load1_cpu=$(awk '/^load -j1 / {print $5}' "$work/phases.txt")
loadn=$(awk '/^load -j/ && !/-j1 / {print $3}' "$work/phases.txt")
loadn_cpu=$(awk '/^load -j/ && !/-j1 / {print $5}' "$work/phases.txt")
unpack1=$(awk '/^unpack -j1 / {print $3}' "$work/phases.txt")
unpack1_cpu=$(awk '/^unpack -j1 / {print $5}' "$work/phases.txt")
unpackn=$(awk '/^unpack -j/ && !/-j1 / {print $3}' "$work/phases.txt")
unpackn_cpu=$(awk '/^unpack -j/ && !/-j1 / {print $5}' "$work/phases.txt")

ratio() { echo "scale=3; ($1) / ($2)" | bc -l; }
echo
echo "ratios (ours / anchor), N=$n               wall      cpu    goal"
printf 'grade -j1 / (unzip + cat)             %8.3f %8.3f  <= 0.6\n' \
  "$(ratio "${wall[grade-j1]}" "${wall[unzip]} + ${wall[cat]}")" "$(ratio "${cpu[grade-j1]}" "${cpu[unzip]} + ${cpu[cat]}")"
printf 'grade -j%d / (python zipfile + cat)    %8.3f %8.3f  <= 1.0\n' "$cores" \
  "$(ratio "${wall[grade-j$cores]}" "${wall[python-zip]} + ${wall[cat]}")" \
  "$(ratio "${cpu[grade-j$cores]}" "${cpu[python-zip]} + ${cpu[cat]}")"
printf 'grade -j%d / grade -j1                 %8.3f %8.3f  < 1\n' "$cores" \
  "$(ratio "${wall[grade-j$cores]}" "${wall[grade-j1]}")" "$(ratio "${cpu[grade-j$cores]}" "${cpu[grade-j1]}")"
printf 'load -j%d / load -j1                   %8.3f %8.3f  <= 0.6\n' "$cores" "$(ratio "$loadn" "$load1")" \
  "$(ratio "$loadn_cpu" "$load1_cpu")"
printf 'unpack -j%d / unpack -j1               %8.3f %8.3f\n' "$cores" "$(ratio "$unpackn" "$unpack1")" \
  "$(ratio "$unpackn_cpu" "$unpack1_cpu")"
printf 'xlwt / our workbook writer (x faster) %8.1f %8.1f  >= 20\n' "$(ratio "$xlwt_seconds" "$writer")" \
  "$(ratio "$xlwt_cpu" "$writer_cpu")"
printf 'peak memory, grade -j1 / -j%d (MB)     %8.1f %8.1f  <= 100\n' "$cores" \
  "$(echo "${peak[grade-j1]} / 1024" | bc -l)" "$(echo "${peak[grade-j$cores]} / 1024" | bc -l)"
