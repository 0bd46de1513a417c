#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there.
#   tests/install_check.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

fail=0
expect() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing after install: $1"
        fail=1
    fi
}
expect bin/kelvara
expect bin/kelvara-render
expect share/applications/io.kelvara.Kelvara.desktop
expect share/metainfo/io.kelvara.Kelvara.metainfo.xml
expect share/bash-completion/completions/kelvara-render
expect share/doc/kelvara/copyright
expect share/doc/kelvara/changelog.gz
expect share/man/man1/kelvara.1.gz
expect share/man/man1/kelvara-render.1.gz
for size in 16 32 48 64 128; do
    expect "share/icons/hicolor/${size}x${size}/apps/kelvara.png"
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kelvara.png"
    if [ -e "$icon" ] && ! file "$icon" | grep -q "PNG image data, $size x $size"; then
        echo "icon of the wrong size: $icon: $(file -b "$icon")"
        fail=1
    fi
done
[ -x "$prefix/bin/kelvara" ] || { echo "kelvara is not executable"; fail=1; }
desktop="$prefix/share/applications/io.kelvara.Kelvara.desktop"
for key in "Exec=kelvara" "Icon=kelvara" "Name=" "Name\[ja\]="; do
    grep -q "^$key" "$desktop" || { echo "desktop entry lacks $key"; fail=1; }
done
# The installed renderer works on its own.
"$prefix/bin/kelvara-render" render --help | grep -q "Usage: kelvara-render render" ||
    { echo "installed kelvara-render does not run"; fail=1; }
[ "$fail" -eq 0 ] && echo "install check passed"
exit "$fail"
