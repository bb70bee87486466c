#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine (root), and checks that
# the installed program opens its window and exits cleanly when closed:
#   package_test.sh BUILD-DIR
set -euo pipefail
build=$(realpath "$1")
xclose=$build/tests/xclose
. "$(dirname "$0")/xwindow.sh"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/sumgrove_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt5widgets5 libqt5gui5 libqt5core5a libstdc++6 'fonts-wqy-microhei | fonts-noto-cjk'; do
    [[ $depends == *"$needed"* ]] || fail "package does not depend on $needed"
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -q sumgrove >/dev/null' EXIT
for f in /usr/bin/sumgrove /usr/share/applications/org.sumgrove.Sumgrove.desktop \
         /usr/share/metainfo/org.sumgrove.Sumgrove.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/org.sumgrove.Sumgrove.png; do
    dpkg -S "$f" >/dev/null || fail "$f is not in the package"
done

export xclose
xvfb-run -a -s "-screen 0 1920x1080x24" \
    bash -c '. "$1"; start_window /usr/bin/sumgrove; close_window' _ "$(dirname "$0")/xwindow.sh"
echo "1 passed, 0 failed"
