#!/usr/bin/env bash
# Checks an installed Starbox below PREFIX: its files are in their standard
# places, the menu entry and the software-centre description pass their
# validators (where those tools are installed), and the installed program
# starts, offscreen, and shows its main window.
#   check-installed.sh PREFIX [EXECUTABLE]
set -euo pipefail
prefix=$1
executable=${2:-$prefix/bin/starbox}
id=org.starbox.Starbox

for file in "$executable" \
            "$prefix/share/applications/$id.desktop" \
            "$prefix/share/metainfo/$id.metainfo.xml" \
            "$prefix/share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -e "$file" ] || { echo "missing: $file" >&2; exit 1; }
done

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

# A first run of its own: fresh settings (no reminder) and its own lock.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen \
    timeout 60 "$executable" --screenshot "$home/main.png" 2>"$home/stderr" \
    || { cat "$home/stderr" >&2; echo "the installed Starbox did not start" >&2; exit 1; }
[ -s "$home/main.png" ] || { echo "no picture of the main window" >&2; exit 1; }
echo "installed Starbox started and showed its main window"
