#!/usr/bin/env bash
# Builds a program against the installed tools library as a developer
# would, through pkg-config and through CMake's find_package, and runs it:
# every installed header compiles on its own include line, and the program
# links and loads libtmtools.so.1 from the prefix.
# usage: check_consumers.sh PREFIX LIBDIR CONSUMER_SOURCE CXX CMAKE
set -u
prefix=$1 libdir=$2 source=$3 cxx=$4 cmake=$5
status=0
fail() { echo "FAIL: $*"; status=1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for header in "$prefix"/include/tmtools/*.h; do
  echo "#include <tmtools/$(basename "$header")>"
done > "$work/all_headers.h"
printf '\xb2\xe3\xca\xfd\r\n12 30\r\n' > "$work/line.txt"  # "层数" in GBK, then two numbers
expected="read 2: 12+30=42"

export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
if flags=$(pkg-config --cflags --libs tmtools); then
  if "$cxx" -std=c++17 -Wall -Wextra -Werror -I"$work" "$source/consumer.cpp" $flags \
       -Wl,-rpath,"$prefix/$libdir" -o "$work/by-pkg-config"; then
    out=$("$work/by-pkg-config" "$work/line.txt")
    [ "$out" = "$expected" ] || fail "pkg-config build printed '$out'"
  else
    fail "the pkg-config build does not compile"
  fi
else
  fail "pkg-config does not find tmtools"
fi
[ "$(pkg-config --modversion tmtools)" = "$(sed -n 's/^Version: //p' "$PKG_CONFIG_PATH/tmtools.pc")" ] || fail "version"

cp "$source"/* "$work/" && mkdir "$work/build"
if "$cmake" -S "$work" -B "$work/build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
     -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >"$work/cmake.log" 2>&1 &&
   "$cmake" --build "$work/build" >>"$work/cmake.log" 2>&1; then
  out=$("$work/build/consumer" "$work/line.txt")
  [ "$out" = "$expected" ] || fail "find_package build printed '$out'"
  grep -q "libtmtools.so.1 => $prefix/$libdir/libtmtools.so.1" <(ldd "$work/build/consumer") ||
    fail "the find_package build does not load the installed library"
else
  cat "$work/cmake.log"; fail "the find_package build failed"
fi

[ $status -eq 0 ] && echo "installed library builds and runs in other programs"
exit $status
