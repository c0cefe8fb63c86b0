#!/bin/sh
# Installs a build into a throw-away root, checks the desktop entry and the
# AppStream data where the checkers are there, and runs the installed programs.
# Where lintian is installed, packs the build as a .deb and wants no lintian
# errors or warnings (the hardening flags are scripts/package.sh's, so this
# build may show them as notes only).
set -eu
build=$1
root=$2
rm -rf "$root" "$root-deb"
cmake --install "$build" --prefix "$root" >/dev/null
for f in bin/quillon bin/quillon-cli bin/orvex-sim share/applications/org.quillon.Quillon.desktop \
         share/icons/hicolor/scalable/apps/org.quillon.Quillon.svg share/icons/hicolor/48x48/apps/org.quillon.Quillon.png \
         share/metainfo/org.quillon.Quillon.metainfo.xml share/man/man1/quillon-cli.1.gz \
         share/bash-completion/completions/quillon-cli; do
    [ -e "$root/$f" ] || { echo "check-install: $f was not installed" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$root/share/applications/org.quillon.Quillon.desktop"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.quillon.Quillon.metainfo.xml"; fi
"$root/bin/quillon-cli" --help | grep -q "quillon-cli doctor"
"$root/bin/quillon-cli" --version
"$root/bin/orvex-sim" --version
"$root/bin/quillon" --version
if command -v lintian >/dev/null; then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root-deb" >/dev/null
    lintian --fail-on error,warning "$root-deb"/quillon_*.deb
fi
rm -rf "$root" "$root-deb"
