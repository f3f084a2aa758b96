#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The executable carries the usual hardening, read from the binary itself: a position-independent
# executable, full RELRO (GNU_RELRO segment and immediate binding), the stack protector, and
# _FORTIFY_SOURCE's checked libc functions.
# Usage: check_hardening.sh BINARY
set -u
binary=$1
failed=0
check() {
    if eval "$2" >/dev/null 2>&1; then
        echo "ok: $1"
    else
        echo "FAIL: $1"
        failed=1
    fi
}
check "PIE (ELF type DYN)" "readelf -h '$binary' | grep -q 'Type:[[:space:]]*DYN'"
check "GNU_RELRO segment" "readelf -lW '$binary' | grep -q GNU_RELRO"
check "immediate binding (BIND_NOW or FLAGS NOW)" \
    "readelf -dW '$binary' | grep -Eq 'BIND_NOW|FLAGS.*[[:space:]]NOW'"
check "stack protector (__stack_chk_fail)" "readelf -sW --dyn-syms '$binary' | grep -q __stack_chk_fail"
# The program's own libc calls with a checked variant (fprintf of the no-display message) must
# come as __*_chk.
check "FORTIFY_SOURCE (a __*_chk libc function)" \
    "readelf -sW --dyn-syms '$binary' | grep -Eq '__[a-z_]+_chk@'"
exit $failed
