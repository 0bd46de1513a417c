#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing;
# with --engine-checks also Chromium, Node.js and the npm packages that the sprite-set checks load
# in it (tests/engines, pinned by its lock file), which only the tests need.
# Safe to run again: it installs only what is not there yet, and says what that is.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
engine_checks=false
[ "${1:-}" = --engine-checks ] && engine_checks=true

packages=(
    build-essential cmake ninja-build pkg-config file dpkg-dev
    qt6-base-dev qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic
    help2man lintian appstream bash-completion man-db
)
if $engine_checks; then
    packages+=(chromium)
    # The engine checks run on Node.js: Debian's, only where the machine has none of its own.
    command -v node >/dev/null 2>&1 || packages+=(nodejs)
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all Debian packages are installed"
else
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
fi

$engine_checks || exit 0

# npm ci installs exactly the lock file's versions into tests/engines/node_modules (ignored by
# git); a copy of the lock file there marks an install that finished.
engines="$root/tests/engines"
stamp="$engines/node_modules/.kelvara-installed-lock"
if cmp -s "$engines/package-lock.json" "$stamp"; then
    echo "setup: the engine checks' npm packages are installed"
else
    wanted="$(cd "$engines" && node -p 'Object.entries(require("./package.json").dependencies).map(([n, v]) => n + "@" + v).join(" ")')"
    echo "setup: installing npm packages into tests/engines/node_modules: $wanted"
    (cd "$engines" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$engines/package-lock.json" "$stamp"
fi
