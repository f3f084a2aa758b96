#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program as a teacher copies it: one 64-bit GUI file, hardened, that imports only
# Windows' own DLLs, and carries its icon, its manifest and its version, read back from the .exe.
# Usage: check_exe.sh EXE VERSION OBJDUMP WINDRES
set -u
exe=$1
version=$2
objdump=$3
windres=$4
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A 64-bit program with a window and no console window behind it, which the loader places at a
# random address (ASLR, with 64-bit entropy) in memory that holds no code unless marked so (DEP).
headers=$("$objdump" -p "$exe")
printf '%s\n' "$headers" | grep -q 'file format pei-x86-64' || fail "$exe is not a 64-bit program"
printf '%s\n' "$headers" | grep -q '^Subsystem.*(Windows GUI)' \
    || fail "$exe is not a Windows GUI program: a console window would open beside it"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    printf '%s\n' "$headers" | grep -qx "[[:space:]]*$flag" || fail "$exe lacks $flag"
done

# A DLL that a bare Windows 10 lacks (libstdc++-6, libgcc_s_seh-1, libwinpthread-1, libssp-0)
# would stop the program before its window opens.
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || fail "read no imported DLL from $exe"
for dll in $dlls; do
    case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | advapi32.dll | shell32.dll | \
        ole32.dll | oleaut32.dll | oleacc.dll | uxtheme.dll | shcore.dll | imm32.dll | \
        msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | version.dll | shlwapi.dll | dwmapi.dll | \
        bcrypt.dll | winmm.dll)
        echo "imports $dll" ;;
    *) fail "imports $dll, which is not part of Windows: it must be linked in (-static)" ;;
    esac
done

# The icon Explorer shows: every size of packaging/icons.
if wrestool -x --type=14 --name=1 "$exe" >"$tmp/icon.ico" 2>/dev/null && [ -s "$tmp/icon.ico" ]; then
    sizes=$(icotool -l "$tmp/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | xargs)
    [ "$sizes" = "16 32 48 64 128 256" ] || fail "icon sizes '$sizes', not 16 32 48 64 128 256"
else
    fail "no icon group 1 in $exe"
fi

# The manifest: well-formed (Windows refuses to start a program whose manifest is not), with the
# system's current controls, per-monitor DPI awareness, no elevation, Windows 10 and 11.
manifest=$tmp/manifest.xml
if wrestool -x --raw --type=24 --name=1 "$exe" >"$manifest" 2>/dev/null && [ -s "$manifest" ]; then
    xmllint --noout "$manifest" || fail "the manifest is not well-formed XML"
    for want in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
        '>PerMonitorV2' '>true/pm</dpiAware>' 'level="asInvoker"' \
        'Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"'; do
        grep -qF "$want" "$manifest" || fail "the manifest lacks $want"
    done
else
    fail "no manifest (resource 24, 1) in $exe"
fi

# The version, as windres decompiles it: the project's version, and the product's name in
# Bulgarian, which windres writes as UTF-16 escapes (\x041f...) beside plain ASCII.
"$windres" -i "$exe" -O rc >"$tmp/resources.rc" 2>/dev/null || fail "windres cannot read $exe"
escape_utf16() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16BE | od -An -tx1 -v | tr -d ' \n' | awk '{
        for (c = 32; c < 127; c++) ascii[sprintf("%04x", c)] = sprintf("%c", c)
        for (i = 1; i <= length($0); i += 4) {
            unit = substr($0, i, 4)
            printf "%s", (unit in ascii) ? ascii[unit] : "\\x" unit
        }
    }'
}
commas=$(printf '%s' "$version" | sed 's/\./, /g')
for want in "FILEVERSION $commas, 0" "PRODUCTVERSION $commas, 0" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
    "VALUE \"ProductName\", L\"$(escape_utf16 'Прости числа в интервал')\"" \
    'VALUE "OriginalFilename", "prime-intervals.exe"'; do
    grep -qF "$want" "$tmp/resources.rc" || fail "the version resource lacks: $want"
done

[ $status -eq 0 ] && echo "$exe: 64-bit GUI, hardened; imports, icon, manifest and version as expected"
exit $status
