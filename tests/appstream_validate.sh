#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# appstreamcli validate (or validate-tree) in its strictest mode: any issue above pedantic fails.
# AppStream 1.0 (Debian 13) requires the <developer> element, which AppStream before 1.0
# (0.16 on Debian 12) does not know; there, and only for that element, "unknown-tag" is let pass.
# Usage: appstream_validate.sh validate|validate-tree PATH
set -u
command=$1
path=$2
version=$(appstreamcli --version | sed -n 's/^AppStream version: *//p' | head -n 1)
echo "AppStream $version"
case "$version" in
0.*)
    output=$(appstreamcli "$command" --no-net --strict --pedantic \
        --override=unknown-tag=pedantic "$path" 2>&1)
    status=$?
    echo "$output"
    [ "$status" -eq 0 ] || exit 1
    if printf '%s\n' "$output" | grep 'unknown-tag' | grep -qv 'unknown-tag developer$'; then
        echo "FAIL: an unknown tag other than <developer>"
        exit 1
    fi
    ;;
*)
    appstreamcli "$command" --no-net --strict "$path" || exit 1
    ;;
esac
