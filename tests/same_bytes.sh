#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# One kind of release file (deb, windows or web; scripts/release one), built twice as `make
# release` builds it: from the sources, then from a copy of them in a folder of another name, in
# build folders of other names, a build's time apart. The two must be the same bytes.
# Usage: same_bytes.sh KIND SOURCE WORK
set -u
kind=$1
source=$(cd "$2" && pwd)
work=$3
rm -rf "$work"
mkdir -p "$work/copy/sources-moved-elsewhere"
work=$(cd "$work" && pwd)
copy=$work/copy/sources-moved-elsewhere

# The sources as they are, without the build folders, the releases and git's history.
inside=$(realpath --relative-to="$source" "$work")
tar -C "$source" --anchored --exclude=./.git --exclude='./build*' --exclude=./dist \
    --exclude="./$inside" -cf - . | tar -C "$copy" -xf - || { echo "FAIL: cannot copy $source"; exit 1; }

# A release takes the commit's date; any date serves, as long as both builds have it.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1767225600}
export SOURCE_DATE_EPOCH
build() {
    if ! "$source/scripts/release" one "$kind" "$1" "$2" "$3" >"$2.log" 2>&1; then
        tail -n 40 "$2.log"
        echo "FAIL: scripts/release one $kind $1 did not build (log: $2.log)"
        exit 1
    fi
}
build "$source" "$work/first" "$work/first-files"
build "$copy" "$work/copy/another-build-folder" "$work/second-files"

status=0
files=$(cd "$work/first-files" && ls)
[ -n "$files" ] || { echo "FAIL: the first build made no file"; exit 1; }
if [ "$files" != "$(cd "$work/second-files" && ls)" ]; then
    echo "FAIL: the two builds made different files: $(ls "$work/first-files" "$work/second-files")"
    status=1
fi
for f in $files; do
    if cmp "$work/first-files/$f" "$work/second-files/$f"; then
        echo "same bytes: $f ($(sha256sum <"$work/first-files/$f" | cut -c 1-16)...)"
    else
        echo "FAIL: $f differs between $work/first-files and $work/second-files"
        status=1
    fi
done
exit $status
