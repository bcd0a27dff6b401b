#!/usr/bin/env bash
# check-package.sh BUILD_DIR: builds the Debian package from a finished build,
# unpacks it into a scratch root, checks its files are in place, runs the
# unpacked program's --version there, and prints lintian's findings (which
# never fail the run; a missing file or a failing program does).
set -euo pipefail
build=$(cd "$1" && pwd)
(cd "$build" && rm -f quorvantix_*.deb && { cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }; })
deb=$(ls "$build"/quorvantix_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/quorvantix usr/bin/quorvantix-sim usr/share/applications/quorvantix.desktop \
         usr/share/icons/hicolor/scalable/apps/quorvantix.svg usr/share/quorvantix/lang/polish.lng \
         usr/share/quorvantix/skins/default.skr usr/share/quorvantix/help/quorvantix_pl.html; do
    [ -e "$root/$f" ] || { echo "package: $f missing" >&2; exit 1; }
done
# Started from an empty folder, as from the menu: only the installed data is there.
(cd "$root" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/quorvantix" --version)
dpkg-deb -f "$deb" Depends
if command -v lintian >/dev/null; then
    echo "lintian:"
    lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" || true
fi
