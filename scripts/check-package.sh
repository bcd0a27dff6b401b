#!/usr/bin/env bash
# check-package.sh BUILD_DIR: builds the Debian package from a finished build,
# unpacks it into a scratch root, checks its files are in place, runs the
# unpacked program's --version there, and prints lintian's findings. A missing
# file, a failing program or a lintian error fails the run; warnings are shown.
set -euo pipefail
build=$(cd "$1" && pwd)
(cd "$build" && rm -f quorvantix_*.deb && { cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }; })
deb=$(ls "$build"/quorvantix_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/quorvantix usr/bin/quorvantix-sim usr/share/applications/quorvantix.desktop \
         usr/share/icons/hicolor/scalable/apps/quorvantix.svg usr/share/quorvantix/lang/polish.lng \
         usr/share/quorvantix/skins/default.skr usr/share/quorvantix/help/quorvantix_pl.html \
         usr/share/doc/quorvantix/copyright usr/share/doc/quorvantix/changelog.gz \
         usr/share/man/man1/quorvantix.1.gz usr/share/man/man1/quorvantix-sim.1.gz; do
    [ -e "$root/$f" ] || { echo "package: $f missing" >&2; exit 1; }
done
# Started from an empty folder, as from the menu: only the installed data is there.
(cd "$root" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/quorvantix" --version)
dpkg-deb -f "$deb" Depends
echo "lintian:"
findings=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" || true)
echo "${findings:-(nothing)}"
! grep -q "^E: " <<<"$findings"
