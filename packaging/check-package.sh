#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured and built tree, twice, under
# the umasks 002 and 022, and checks that the two are the same, byte for
# byte; checks it with lintian (any error or warning fails), installs it on
# this machine with apt-get, checks the installed program and files, and
# removes the package again. Needs root (it changes the system, and installs
# lintian if missing).
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive

rm -f "$build"/starbox_*.deb "$build"/umask-002-starbox_*.deb
(cd "$build" && umask 002 && cpack -G DEB >/dev/null)
for file in "$build"/starbox_*.deb; do mv "$file" "$build/umask-002-$(basename "$file")"; done
(cd "$build" && umask 022 && cpack -G DEB >/dev/null)
package=$(ls "$build"/starbox_*.deb)
loose=$build/umask-002-$(basename "$package")
dpkg-deb --info "$package" | grep -E '^ (Package|Version|Section|Depends):'
sha256sum "$package" "$loose"
cmp "$package" "$loose" || { echo "the package depends on the builder's umask" >&2; exit 1; }
echo "built under umask 022 and 002: the same package"

command -v lintian >/dev/null || apt-get install -y --no-install-recommends lintian >/dev/null
echo "+ lintian $(basename "$loose"), the package built under umask 002"
lintian --display-info --fail-on error,warning "$loose"
echo "lintian: no errors, no warnings"
rm "$loose"

apt-get install -y --no-install-recommends "$package"
trap 'apt-get remove -y starbox >/dev/null' EXIT
"$here/check-installed.sh" /usr /usr/bin/starbox
