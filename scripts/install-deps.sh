#!/usr/bin/env bash
# Installs the Debian packages TmScore needs: only those missing, with the
# package lists refreshed at most once per run, so running it again changes
# nothing.
#
#   install-deps.sh           what building and running TmScore needs
#   install-deps.sh --package that, and what packing .deb files needs
#   install-deps.sh --test    that, and what the tests need (scripts/test.sh)
set -euo pipefail

# Building and running: the compiler, the libraries' headers, Qt and a font
# that shows Chinese, and the renderer of the icon's PNG sizes.
RUN=(
  g++ cmake make pkg-config
  zlib1g-dev libtinyxml-dev
  libxlsxwriter-dev  # the class workbook (.xlsx)
  libgif-dev libjpeg62-turbo-dev
  libarchive-dev  # rar and 7z hand-ins
  libdeflate-dev  # the whole-buffer inflate of small zip entries
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-noto-cjk
  librsvg2-bin  # the desktop icon's PNG sizes, rendered from its SVG
)
# Packing: cpack's DEB generator reads library dependencies with
# dpkg-shlibdeps and finds programs with file.
PACKAGE=(dpkg-dev file)
# Testing: GoogleTest, a display for the screenshots, the independent
# readers of written workbooks, archives made by other programs, the
# sanitizer runtime and clang for the fuzz targets, valgrind, and the
# metainfo check.
TEST=(
  libgtest-dev libgmock-dev
  xvfb xauth
  python3 python3-xlrd python3-olefile python3-xlwt
  zip unzip
  libarchive-tools  # bsdtar makes the tests' 7z archives
  libreoffice-calc-nogui  # the read-back tests open written workbooks in LibreOffice
  clang libclang-rt-14-dev  # the fuzz targets (TM_FUZZ)
  valgrind  # the leak and memory-error check of a whole grading run
  appstream  # appstreamcli validates the installed metainfo
  time bc  # bench/grade_class.sh: peak memory (/usr/bin/time -v) and its ratios
)

packages=("${RUN[@]}")
case "${1:-}" in
  "") ;;
  --package) packages+=("${PACKAGE[@]}") ;;
  --test) packages+=("${PACKAGE[@]}" "${TEST[@]}") ;;
  *) echo "usage: $0 [--package | --test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "installing: ${missing[*]}" >&2
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
