#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured and built tree, checks it with
# lintian (any error or warning fails), installs it on this machine with
# apt-get, checks the installed program and files, and removes the package
# again. Needs root (it changes the system, and installs lintian if missing).
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive

rm -f "$build"/starbox_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/starbox_*.deb)
dpkg-deb --info "$package" | grep -E '^ (Package|Version|Section|Depends):'

command -v lintian >/dev/null || apt-get install -y --no-install-recommends lintian >/dev/null
echo "+ lintian $(basename "$package")"
lintian --display-info --fail-on error,warning "$package"
echo "lintian: no errors, no warnings"

apt-get install -y --no-install-recommends "$package"
trap 'apt-get remove -y starbox >/dev/null' EXIT
"$here/check-installed.sh" /usr /usr/bin/starbox
