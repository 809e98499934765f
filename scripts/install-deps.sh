#!/usr/bin/env bash
# Installs every Debian package Fotino builds, runs and tests with.
# Idempotent: does nothing when all of them are already installed.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  # rebuilds of the same sources in several working copies come from one cache
  ccache
  # Qt 6: widgets, gui, print support, network, translations, image plugins
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-image-formats-plugins qt6-translations-l10n libgl-dev
  # property lists
  libplist-dev
  # camera capture: the GStreamer library and its base and good plugins (appsink, videoconvert,
  # videotestsrc for the tests; v4l2src, autovideosrc and jpegdec for real cameras)
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # finding faces for automatic framing: OpenCV's detection and its trained cascades
  libopencv-objdetect-dev libopencv-imgproc-dev opencv-data
  # fuzzing: clang with libFuzzer and the sanitizer runtimes, and the symbolizer that names
  # the functions of a crash report
  clang libclang-rt-14-dev llvm
  # tests and benchmarks, with the peers the benchmarks compare against
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libvips-dev libvips-tools libjpeg62-turbo-dev
  # real colour profiles (Adobe RGB, ProPhoto RGB) for the decoding tests
  colord-data
  # a font for offscreen text
  fonts-dejavu-core
  # looking at the program headless: virtual display, screenshots, PDF pages
  xvfb xauth xdotool imagemagick poppler-utils
  # the icons' bitmaps, rendered from their drawings at build time
  librsvg2-bin
  # the Debian package (its dependencies computed from the linked libraries), and the desktop's
  # own tools that the install test reads the menu entry, document type and metainfo with
  dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Package lists are refreshed only when something has to be installed.
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
