#!/bin/sh
# Installs, on a Debian machine, what the build and the tests need and the
# machine lacks: the compiler and CMake, GoogleTest, Python 3, and the
# independent tools the end-to-end checks compare against (an SMF writer and
# reader, a MIDI player, an XML checker, clang for the fuzz targets, groff for
# the manual pages).  Does nothing when everything is there.
set -eu

need=""
for pkg in cmake g++ python3 libgtest-dev abcmidi python3-mido timidity fluid-soundfont-gm libxml2-utils \
           clang libclang-rt-14-dev groff-base; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need="$need $pkg"
done
[ -z "$need" ] && exit 0

echo "installing:$need" >&2
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "missing packages:$need (run as root, or install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || true
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $need >/dev/null
