#!/usr/bin/env bash
# Installs everything Vorlix needs to build and test on Debian 12. Safe to run again:
# it only calls apt-get when a package is missing.
set -euo pipefail

# The one list of system packages the project needs.
PACKAGES=(
  cmake
  g++
  make
  ninja-build
  libgtest-dev
  libgmock-dev        # GTest's CMake package also imports the gmock libraries
  libbenchmark-dev
  qt6-base-dev
  qt6-svg-dev         # SVG pictures
  libgl-dev
  libicu-dev          # cells: segmentation, case, normalization, collation
  fonts-liberation2   # metric-compatible Arial and Times New Roman
  fonts-comic-neue    # stands in for Comic Sans MS
  fonts-noto-core     # a face for every script the chosen faces lack
  fonts-noto-cjk      # Korean, Japanese and Chinese
  poppler-utils       # tests read back the fonts and text of printed PDFs
  clang               # fuzz targets
  libclang-rt-14-dev  # libFuzzer and the sanitizer runtimes for clang
  wamerican           # the word list the main spelling dictionary is made from
  desktop-file-utils  # checks the menu entry
  xdg-utils           # asks the file type of a puzzle file (install test)
  shared-mime-info
  libfile-mimeinfo-perl  # lets xdg-mime read the shared database instead of guessing
  poppler-utils       # the book tests read the written PDF (pdfinfo, pdffonts, pdftotext)
  chromium            # the interactive page's tests run in headless Chromium
  chromium-driver
  python3-selenium
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
