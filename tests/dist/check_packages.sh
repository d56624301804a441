#!/usr/bin/env bash
# Packs the build into Debian packages with cpack and checks them with
# dpkg-deb: their names, what each holds and what each depends on; the
# command line's package needs no Qt, the window's names what Qt loads at
# run time besides its libraries.
# usage: check_packages.sh BUILD OUT
set -u
build=$1 out=$2
status=0
fail() { echo "FAIL: $*"; status=1; }
rm -rf "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1; then
  cat "$out.log"; echo "FAIL: cpack"; exit 1
fi

field() { dpkg-deb -f "$1" "$2"; }
contents() { dpkg-deb -c "$1" | awk '{ print $6 }'; }
one() {
  local found=("$out"/"$1"_*.deb)
  [ -f "${found[0]}" ] || { fail "no package $1"; return 1; }
  echo "${found[0]}"
}

if cli=$(one tmscore-cli); then
  depends=$(field "$cli" Depends)
  grep -qi qt <<<"$depends" && fail "tmscore-cli depends on Qt: $depends"
  for needed in libxlsxwriter libarchive13 libtinyxml; do
    grep -q "$needed" <<<"$depends" || fail "tmscore-cli does not depend on $needed: $depends"
  done
  contents "$cli" | grep -q '/bin/tmscore-cli$' || fail "tmscore-cli lacks the program"
  contents "$cli" | grep -q '/libtmtools\.so\.1$' || fail "tmscore-cli lacks libtmtools.so.1"
  contents "$cli" | grep -q '/libtmtools\.so$' && fail "tmscore-cli holds the development link"
fi
if gui=$(one tmscore); then
  depends=$(field "$gui" Depends)
  for needed in 'tmscore-cli (= ' qt6-qpa-plugins libqt6svg6 fonts-noto-cjk libqt6widgets6; do
    grep -qF "$needed" <<<"$depends" || fail "tmscore does not depend on $needed: $depends"
  done
  contents "$gui" | grep -q '/applications/tmscore.desktop$' || fail "tmscore lacks its desktop entry"
  contents "$gui" | grep -q '/bin/tmscore-cli$' && fail "tmscore holds the command line too"
fi
if dev=$(one libtmtools-dev); then
  grep -q 'tmscore-cli (= ' <<<"$(field "$dev" Depends)" || fail "libtmtools-dev does not depend on tmscore-cli"
  contents "$dev" | grep -q '/include/tmtools/TmOS.h$' || fail "libtmtools-dev lacks the headers"
  contents "$dev" | grep -q '/libtmtools\.so$' || fail "libtmtools-dev lacks the development link"
fi
[ $status -eq 0 ] && echo "packages ok: $(cd "$out" && ls ./*.deb | tr '\n' ' ')"
exit $status
