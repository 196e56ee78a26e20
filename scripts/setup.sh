#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the build, the tests and the reference-value
# generators need and is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libgsl-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    shared-mime-info desktop-file-utils xvfb xauth openbox xdotool x11-utils xcompmgr dbus at-spi2-core
    fonts-dejavu-core fonts-liberation2 groff-base fonts-open-sans libcanberra-dev
    dpkg-dev file lintian appstream xdg-utils libfile-mimeinfo-perl libglib2.0-bin
    python3 python3-mpmath python3-scipy locales
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale whose decimal separator is a comma, for the locale-independence tests.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# The editor's bundled face, from its npm package; without npm the editor uses another
# monospaced face.
bash "$(dirname "$0")/fetch-fonts.sh"
