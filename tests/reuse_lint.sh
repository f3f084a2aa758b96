#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the repository says under which licence it is, and LICENSES/ holds each licence
# named, as the REUSE rules ask (checked by Debian's reuse).
# Usage: reuse_lint.sh SOURCE_DIR
set -u
reuse --version | head -n 1
reuse --root "$1" lint
