#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a test of the logic loads a Qt library beyond Qt Core and
# QtTest: the logic layer must stay free of Gui, Widgets and Svg.
status=0
for binary in "$@"; do
    extra=$(ldd "$binary" | grep -o 'libQt6[A-Za-z]*' | sort -u | grep -v -x -e libQt6Core -e libQt6Test)
    if [ -n "$extra" ]; then
        echo "$(basename "$binary") loads $(echo $extra)"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "$# logic tests load Qt Core and QtTest alone"
exit $status
