#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable .zip: one folder holding the program, its licence and its readme, and nothing else.
# Usage: check_zip.sh ZIP FOLDER
set -u
zip=$1
folder=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0

(cd "$tmp" && cmake -E tar xf "$zip") || { echo "FAIL: cannot unpack $zip"; exit 1; }
found=$(cd "$tmp" && find . -mindepth 1 | sort | xargs)
want="./$folder ./$folder/LICENSE.txt ./$folder/README.txt ./$folder/prime-intervals.exe"
if [ "$found" != "$want" ]; then
    echo "FAIL: $zip holds"
    echo "  $found"
    echo "expected"
    echo "  $want"
    status=1
fi
# What a teacher reads first: the licence, and the readme's title in Bulgarian.
grep -q "GNU GENERAL PUBLIC LICENSE" "$tmp/$folder/LICENSE.txt" 2>/dev/null \
    || { echo "FAIL: LICENSE.txt is not the GPL"; status=1; }
grep -q "^Прости числа в интервал" "$tmp/$folder/README.txt" 2>/dev/null \
    || { echo "FAIL: README.txt does not start with the program's name"; status=1; }
[ $status -eq 0 ] && echo "$zip: $want"
exit $status
