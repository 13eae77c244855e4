#!/usr/bin/env bash
# The one list of Debian packages Quorvane needs to build, run and test.
# Installs only what is missing; safe to run again.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # translations (lupdate, lrelease, Qt's own German texts)
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # install and package: icons rendered from SVG, validators, the Debian package and its checks
  librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev lintian x11-utils
  # pictures: Qt's readers of TIFF, WebP and more, and SVG drawn as vectors
  qt6-image-formats-plugins qt6-svg-dev
  # barcode symbols
  libzint-dev
  # spreadsheet merge sources (the zip package of XLSX and ODS files)
  libzip-dev
  # database merge sources: Qt SQL's drivers, and a PostgreSQL server the tests start
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-mysql libqt6sql6-odbc postgresql
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  # fonts: Arial/Times/Courier metrics, Wingdings, Unicode symbols
  fonts-liberation fonts-liberation2 fonts-dejavu-core fonts-wine fonts-symbola fonts-noto-core
  # running a window without a desktop, screenshots
  xvfb xauth imagemagick
  # real pointer events for the tests that run under Xvfb
  libx11-dev libxtst-dev
  # independent readers used as cross-checks by the tests
  libdbd-xbase-perl python3-dbfread python3-dbf libwmf-bin
  # independent writers of the spreadsheet fixtures (tests/data/spreadsheets/make_fixtures.py)
  python3-openpyxl python3-odf
  zbar-tools
  # printing through CUPS in tests
  cups cups-client printer-driver-cups-pdf poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
