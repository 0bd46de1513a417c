#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing.
# Safe to run again: it installs only what is not there yet, and says what that is.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config file dpkg-dev
    qt6-base-dev qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic
    help2man lintian appstream bash-completion man-db
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all build packages are installed"
    exit 0
fi

echo "setup: installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
else
    echo "setup: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
