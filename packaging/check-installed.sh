#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed Starbox below PREFIX: its files are in their standard
# places, the menu entry, the software-centre description and the manual
# page pass their validators (where those tools are installed), the copyright
# and the changelog are readable, and the installed program starts,
# offscreen, and shows its main window.
#   check-installed.sh PREFIX [EXECUTABLE]
set -euo pipefail
prefix=$1
executable=${2:-$prefix/bin/starbox}
id=org.starbox.Starbox

for file in "$executable" \
            "$prefix/share/applications/$id.desktop" \
            "$prefix/share/metainfo/$id.metainfo.xml" \
            "$prefix/share/mime/packages/$id.xml" \
            "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
            "$prefix/share/man/man1/starbox.1.gz" \
            "$prefix/share/doc/starbox/copyright" \
            "$prefix/share/doc/starbox/changelog.gz"; do
    [ -e "$file" ] || { echo "missing: $file" >&2; exit 1; }
done

for file in "$prefix/share/man/man1/starbox.1.gz" "$prefix/share/doc/starbox/changelog.gz"; do
    gzip --test "$file" || { echo "not a good gzip file: $file" >&2; exit 1; }
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$prefix/share/doc/starbox/copyright" \
    || { echo "the copyright file is not in Debian's machine-readable format" >&2; exit 1; }
zcat "$prefix/share/doc/starbox/changelog.gz" | grep -q '^starbox (' \
    || { echo "the changelog has no entry for starbox" >&2; exit 1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop"
else
    echo "desktop-file-validate not installed: menu entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
else
    echo "appstreamcli not installed: description not validated"
fi

if command -v man >/dev/null; then
    # What lintian asks of a manual page: it formats without a warning.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
                   "$prefix/share/man/man1/starbox.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings" >&2; echo "the manual page has faults" >&2; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$prefix/share/man/man1/starbox.1.gz" | grep -q '^NAME' \
        || { echo "the manual page does not format" >&2; exit 1; }
else
    echo "man not installed: manual page not checked"
fi

# A first run of its own: fresh settings (no reminder) and its own lock.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen \
    timeout 60 "$executable" --screenshot "$home/main.png" 2>"$home/stderr" \
    || { cat "$home/stderr" >&2; echo "the installed Starbox did not start" >&2; exit 1; }
[ -s "$home/main.png" ] || { echo "no picture of the main window" >&2; exit 1; }
echo "installed Starbox started and showed its main window"
