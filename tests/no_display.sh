#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no display at all, the program prints one line saying so and exits with a failure
# status of its own, not by a signal (an abort with a core dump would be 134).
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
echo "PASS"
