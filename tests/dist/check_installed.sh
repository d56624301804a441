#!/usr/bin/env bash
# Checks an installed TmScore: every file where a Linux system looks for it,
# the library's SONAME and the programs' RUNPATH, the man pages, completion
# and metainfo, and a grading of the sample class with the installed
# tmscore-cli that matches the build tree's to the byte.
# usage: check_installed.sh PREFIX LIBDIR SAMPLES BUILD_CLI GUI(0|1)
set -u
prefix=$1 libdir=$2 samples=$3 build_cli=$4 gui=$5
status=0
fail() { echo "FAIL: $*"; status=1; }

files=(
  bin/tmscore-cli "$libdir/libtmtools.so.1" "$libdir/libtmtools.so"
  include/tmtools/TmOS.h include/tmtools/ReadALine.h include/tmtools/TmToolsApi.h
  "$libdir/cmake/TmTools/TmToolsConfig.cmake" "$libdir/cmake/TmTools/TmToolsConfigVersion.cmake"
  "$libdir/pkgconfig/tmtools.pc"
  share/man/man1/tmscore-cli.1 share/bash-completion/completions/tmscore-cli
  share/doc/tmscore/README.md share/doc/tmscore/LICENSE share/doc/tmscore/THIRD-PARTY.md
  share/doc/tmscore/standard-file.md
)
if [ "$gui" = 1 ]; then
  files+=(bin/tmscore share/man/man1/tmscore.1 share/applications/tmscore.desktop
          share/metainfo/tmscore.metainfo.xml share/icons/hicolor/scalable/apps/tmscore.svg)
  for size in 16 22 24 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x$size/apps/tmscore.png"); done
fi
for f in "${files[@]}"; do [ -e "$prefix/$f" ] || fail "missing $f"; done
# No private header of the library and nothing of the build tree.
[ -e "$prefix/include/tmtools/CodePage.h" ] && fail "a private header is installed"
[ "$(find "$prefix" -name '*.a' -o -name '*_tests' | head -1)" = "" ] || fail "build-only files installed"

soname=$(readelf -d "$prefix/$libdir/libtmtools.so.1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = libtmtools.so.1 ] || fail "SONAME is '$soname'"
[ "$(readlink "$prefix/$libdir/libtmtools.so")" = libtmtools.so.1 ] || fail "libtmtools.so does not link to libtmtools.so.1"
expected_runpath="\$ORIGIN/../$libdir"
for program in tmscore-cli $([ "$gui" = 1 ] && echo tmscore); do
  runpath=$(readelf -d "$prefix/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  [ "$runpath" = "$expected_runpath" ] || fail "$program has RUNPATH '$runpath', not '$expected_runpath'"
  ldd "$prefix/bin/$program" | grep -q "libtmtools.so.1 => $prefix/bin/../$libdir/libtmtools.so.1" ||
    fail "$program does not load the installed library: $(ldd "$prefix/bin/$program" | grep tmtools)"
done

# Pages that man can format without a warning.
for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
if [ "$gui" = 1 ]; then
  # The id is the desktop file's name; a reverse-DNS id would need a domain.
  appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$prefix/share/metainfo/tmscore.metainfo.xml" >/dev/null || fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/tmscore.metainfo.xml")"
fi

# Completion: the commands, then grade's options.
completion=$(bash -c '
  source "$1"
  COMP_WORDS=(tmscore-cli gr); COMP_CWORD=1; _tmscore_cli; echo "${COMPREPLY[*]}"
  COMP_WORDS=(tmscore-cli grade --ov); COMP_CWORD=2; _tmscore_cli; echo "${COMPREPLY[*]}"' _ \
  "$prefix/share/bash-completion/completions/tmscore-cli")
[ "$completion" = $'grade\n--overwrite' ] || fail "completion gave: $completion"

# The sample class graded by the installed program, as by the build tree's.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grade() {
  mkdir -p "$work/$1"
  cp "$samples"/archives/*.zip "$work/$1/"
  (cd "$work/$1" &&
   "$2" standard "$samples/standard/frame.prj" -o standard.xml 2>/dev/null &&
   "$2" grade --standard standard.xml --summary 评分汇总.xls ./*.zip 2>/dev/null)
}
installed=$(grade installed "$prefix/bin/tmscore-cli") || fail "the installed tmscore-cli failed"
"$prefix/bin/tmscore-cli" --version | grep -qx "tmscore-cli (TmScore) [0-9.]*" || fail "no --version"
"$prefix/bin/tmscore-cli" help grade | grep -q -- '--details OUT.xlsx' || fail "no help for grade"
built=$(grade built "$build_cli")
[ -n "$installed" ] && [ "$installed" = "$built" ] || fail "the installed program graded differently:"$'\n'"$installed"
grep -q '张三.*100.00' <<<"$installed" || fail "张三 did not score 100.00"
cmp -s "$work/installed/评分汇总.xls" "$work/built/评分汇总.xls" || fail "the summary workbooks differ"

[ $status -eq 0 ] && echo "installed layout and grading ok"
exit $status
