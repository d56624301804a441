#!/usr/bin/env bash
# Installs the Debian packages TmScore needs to build, test and run.
# Idempotent: installs only what is missing, and refreshes the package
# lists at most once per run.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev
  zlib1g-dev libtinyxml-dev
  libxlsxwriter-dev  # the class workbook (.xlsx)
  libgif-dev libjpeg62-turbo-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-noto-cjk
  xvfb xauth
  python3 python3-xlrd python3-olefile python3-xlwt
  zip unzip
  libarchive-dev libarchive-tools  # rar and 7z hand-ins; bsdtar makes the tests' 7z archives
  libreoffice-calc-nogui  # the read-back tests open written workbooks in LibreOffice
  clang libclang-rt-14-dev  # the fuzz targets (TM_FUZZ)
  valgrind  # the leak and memory-error check of a whole grading run
  time bc  # bench/grade_class.sh: peak memory (/usr/bin/time -v) and its ratios
)

missing=()
for p in "${PACKAGES[@]}"; do
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
