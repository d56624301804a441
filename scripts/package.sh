#!/usr/bin/env bash
# Makes the Debian packages of TmScore and installs them on this machine.
#
# Where it runs: on the machine that is to get TmScore in /usr (a lab
# image, a container, a teacher's computer), as root or with sudo; not on
# a development machine you want to keep as it is. With --no-install it
# only builds, packs and shows the packages, and installs nothing.
#
# Builds a release for /usr in build-deb/, packs it with cpack into
# build-deb/packages/ (tmscore-cli, tmscore, libtmtools-dev), shows each
# package's control fields (dpkg-deb -I), installs tmscore-cli and
# tmscore with apt (which brings their dependencies), and grades the
# sample class with the installed /usr/bin/tmscore-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
install=1
case "${1:-}" in
  "") ;;
  --no-install) install=0 ;;
  *) echo "usage: $0 [--no-install]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh --package
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTM_BUILD_TESTS=OFF >/dev/null
cmake --build build-deb -j"$(nproc)" >/dev/null
rm -rf build-deb/packages
cpack -G DEB --config build-deb/CPackConfig.cmake -B build-deb/packages >/dev/null
for deb in build-deb/packages/*.deb; do
  echo "== $deb"
  dpkg-deb -I "$deb" | sed -n '/^ Package:/,$p'
done

[ $install -eq 1 ] || exit 0
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "installing into /usr of $(hostname) with apt"
(cd build-deb/packages && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq ./tmscore*.deb >/dev/null)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp samples/archives/*.zip "$work/"
/usr/bin/tmscore-cli --version
/usr/bin/tmscore-cli standard samples/standard/frame.prj -o "$work/standard.xml" 2>/dev/null
(cd "$work" && /usr/bin/tmscore-cli grade --standard standard.xml ./*.zip 2>/dev/null)
echo "installed: /usr/bin/tmscore-cli, /usr/bin/tmscore (remove with: apt-get remove tmscore tmscore-cli)"
