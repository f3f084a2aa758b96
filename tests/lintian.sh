#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker on the freshly built .deb: no error and no warning. Informational tags are
# shown, but do not fail.
# Usage: lintian.sh PACKAGE_DIR
set -u
debs=$(ls "$1"/*.deb)
[ "$(printf '%s\n' "$debs" | wc -l)" -eq 1 ] || { echo "FAIL: not exactly one .deb in $1"; exit 1; }
lintian --version
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$debs"
