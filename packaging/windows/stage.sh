#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The files that the .zip and the installer hold, in a fresh STAGE folder: the program without its
# debugging information (a quarter of its size), its readme and its licence. Both packages record
# each file's date and mode, so these are fixed: the modes whatever the umask, the dates
# SOURCE_DATE_EPOCH (the commit's date, for a release) when it is set. STAGE.staged, written last,
# tells make when that was.
# Usage: stage.sh STAGE STRIP EXE README LICENCE
set -eu
stage=$1
rm -rf "$stage" "$stage.staged"
mkdir -p "$stage"
cp "$4" "$5" "$stage"/
# strip stamps a PE file with the time, unless SOURCE_DATE_EPOCH gives one: without it, 0, as the
# linker leaves it (--no-insert-timestamp).
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-0} "$2" -o "$stage/prime-intervals.exe" "$3"
chmod 755 "$stage" "$stage/prime-intervals.exe"
chmod 644 "$stage/README.txt" "$stage/LICENSE.txt"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/* "$stage"
fi
touch "$stage.staged"
