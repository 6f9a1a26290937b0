#!/bin/sh
# Installs, with apt-get, whatever of the build and test dependencies is
# missing on a Debian 12 machine. Run as root; does nothing when all is there.
set -eu

packages="
cmake
ninja-build
g++
pkg-config
qt6-base-dev
libxcb1-dev
libgl-dev
libgtest-dev
libbenchmark-dev
fonts-dejavu-core
fonts-dejavu-extra
xvfb
xauth
xdotool
xcompmgr
x11-utils
imagemagick
desktop-file-utils
appstream
clang
libclang-rt-14-dev
file
dpkg-dev
"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi
