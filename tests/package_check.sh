#!/usr/bin/env bash
# Builds the .deb from the build and checks it as Debian would:
#   tests/package_check.sh BUILD_DIR VERSION SANITIZED (1 for a sanitizer build, else 0)
# its files, its control fields, stripped programs, one version everywhere, then lintian (no
# error or warning allowed) and appstreamcli, when they are installed.
set -euo pipefail
build="$1" version="$2" sanitized="$3"
# A sanitizer build is never shipped, and its package differs from the plain build's (checked
# in that pass) only in depending on the sanitizer libraries.
if [ "$sanitized" = 1 ]; then
    echo "a sanitizer build is not packaged: skipped"
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/kelvara_"$version"_*.deb)"
dpkg-deb -x "$deb" "$work/root"
root="$work/root"

fail=0
problem() {
    echo "$1"
    fail=1
}

for path in usr/bin/kelvara usr/bin/kelvara-render \
    usr/share/man/man1/kelvara.1.gz usr/share/man/man1/kelvara-render.1.gz \
    usr/share/doc/kelvara/copyright usr/share/doc/kelvara/changelog.gz \
    usr/share/applications/io.kelvara.Kelvara.desktop \
    usr/share/metainfo/io.kelvara.Kelvara.metainfo.xml \
    usr/share/bash-completion/completions/kelvara-render \
    usr/share/icons/hicolor/48x48/apps/kelvara.png; do
    [ -e "$root/$path" ] || problem "not in the package: /$path"
done
for program in kelvara kelvara-render; do
    file -b "$root/usr/bin/$program" | grep -q ', stripped' || problem "$program is not stripped"
done

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = graphics ] || problem "Section: $(field Section)"
[ "$(field Priority)" = optional ] || problem "Priority: $(field Priority)"
maintainer="$(field Maintainer)"
[[ $maintainer =~ ^[^@\<]+\ \<[^@]+@[a-z0-9.-]+\.[a-z]+\>$ ]] || problem "Maintainer: $maintainer"
[[ $maintainer != *localhost* ]] || problem "Maintainer at localhost: $maintainer"
description="$(field Description)"
synopsis="$(head -n1 <<< "$description")"
[ "$(sed -n '2s/^ //p' <<< "$description")" != "$synopsis" ] || problem "synopsis repeated"
awk 'length > 80 { print "Description line over 80 characters: " $0; bad = 1 } END { exit bad }' \
    <<< "$description" || fail=1

# One version and one maintainer in the package, the changelog and the AppStream releases.
changelog="$work/changelog"
zcat "$root/usr/share/doc/kelvara/changelog.gz" > "$changelog"
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] ||
    problem "changelog's newest entry is not $version"
[ "$(dpkg-parsechangelog -l "$changelog" -S Maintainer)" = "$maintainer" ] ||
    problem "changelog's maintainer is not $maintainer"
metainfo="$root/usr/share/metainfo/io.kelvara.Kelvara.metainfo.xml"
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$version\"" ||
    problem "metainfo's newest release is not $version"
grep -q "^Upstream-Contact: $maintainer\$" "$root/usr/share/doc/kelvara/copyright" ||
    problem "copyright's contact is not $maintainer"

if command -v lintian > /dev/null; then
    # Standard error only says that lintian runs as root. Informational tags are shown, not failed.
    lintian --display-info --fail-on error,warning "$deb" 2> /dev/null ||
        problem "lintian found errors or warnings"
else
    echo "lintian is not installed: not run (scripts/setup.sh installs it)"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$metainfo" || problem "appstreamcli rejects the metainfo"
    appstreamcli validate-tree --no-net "$root" || problem "appstreamcli rejects the installed tree"
else
    echo "appstreamcli is not installed: not run (scripts/setup.sh installs it)"
fi
[ "$fail" -eq 0 ] && echo "package check passed: $(basename "$deb")"
exit "$fail"
