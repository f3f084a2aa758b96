#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no display at all, the program prints one line saying so and exits with a failure
# status of its own, not by a signal (an abort with a core dump would be 134). Qt's -platform
# argument decides whether a display is needed.
# Usage: no_display.sh PROGRAM
set -u
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" 2>&1)
status=$?
echo "exit status $status, output:"
echo "$output"
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0"; exit 1; }
[ "$status" -lt 128 ] || { echo "FAIL: ended by a signal"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "FAIL: not exactly one line"; exit 1; }
printf '%s\n' "$output" | grep -q 'no display' || { echo "FAIL: does not say 'no display'"; exit 1; }

# Qt's own -platform argument counts before the environment: asking for xcb still needs a display,
# and asking for offscreen needs none, so the check lets the program start (it then runs until it
# is stopped; only the check's verdict is looked at here).
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program" -platform xcb 2>&1)
printf '%s\n' "$output" | grep -q 'no display' || { echo "FAIL: -platform xcb without a display"; exit 1; }
status=0
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 3 "$program" -platform offscreen 2>&1) \
    || status=$?
if printf '%s\n' "$output" | grep -q 'no display' || [ "$status" -ne 124 ]; then
    echo "FAIL: -platform offscreen refused or ended with status $status: $output"
    exit 1
fi
echo "PASS"
