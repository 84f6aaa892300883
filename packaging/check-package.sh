#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, installs it on
# this machine with apt-get, checks the installed program and files, and
# removes the package again. Needs root (it changes the system).
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive

rm -f "$build"/starbox_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/starbox_*.deb)
dpkg-deb --info "$package" | grep -E '^ (Package|Version|Depends):'
apt-get install -y --no-install-recommends "$package"
trap 'apt-get remove -y starbox >/dev/null' EXIT
"$here/check-installed.sh" /usr /usr/bin/starbox
