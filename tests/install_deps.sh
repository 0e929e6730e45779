#!/bin/sh
# Installs, on a Debian machine, what the build and the tests need and the
# machine lacks: the compiler and CMake, GoogleTest, Python 3, and the
# independent tools the end-to-end checks compare against (an SMF writer and
# reader, a MIDI player, an XML checker, clang for the fuzz targets, groff for
# the manual pages, dpkg-dev, file and lintian for the Debian package).
# Does nothing when everything is there.
set -eu

need=""
for pkg in cmake g++ python3 libgtest-dev abcmidi python3-mido timidity fluid-soundfont-gm libxml2-utils \
           dpkg-dev file lintian clang libclang-rt-14-dev groff-base; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need="$need $pkg"
done
# The editor-highlighting tests: Vim with its syntax engine, and Node with
# npm (which installs the two packages they read into the build tree).  A
# Node from another source (such as a nodejs package that carries its own
# npm) is used as it is.
dpkg -s vim >/dev/null 2>&1 || need="$need vim"
command -v node >/dev/null 2>&1 || need="$need nodejs"
command -v npm >/dev/null 2>&1 || need="$need npm"
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
