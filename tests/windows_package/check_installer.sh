#!/bin/sh
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, as an administrator deploys it to a lab: installed silently (/S) for
# the current user, then for all users (/S /ALLUSERS); each time the program, its Start-menu
# entry and its entry in "Apps and features" must be where Windows looks for them, and the
# registered silent uninstaller must take all of them away again.
# Usage: check_installer.sh INSTALLER EXE VERSION WINE_PREFIX
set -u
installer=$1
exe=$2
version=$3
WINEPREFIX=$4
# No crash dialog, no Wine menu entries in the real home, no Mono or Gecko installation.
WINEDLLOVERRIDES="winedbg.exe=d;winemenubuilder.exe=d;mscoree=d;mshtml=d"
WINEDEBUG=-all
# Wine names Unix files in the locale's encoding: under the POSIX locale (a bare chroot, cron) it
# cannot make the Start-menu entry's Cyrillic name at all.
LC_ALL=C.UTF-8
export WINEPREFIX WINEDLLOVERRIDES WINEDEBUG LC_ALL
unset DISPLAY WAYLAND_DISPLAY

name="Прости числа в интервал"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\prime-intervals'
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
quietly() { "$@" >/dev/null 2>&1; }

# A fresh prefix each run; its wineserver is ended however the script ends.
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null; rm -f "$WINEPREFIX.reg"' EXIT
quietly wine wineboot --init || { echo "FAIL: wineboot"; exit 1; }

# A folder of the prefix, as a Unix path.
folder() {
    unix=$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
    winepath -u "$unix" 2>/dev/null
}
# The uninstall entry, as REG_SZ/REG_DWORD lines of a .reg file in UTF-8; empty when missing.
uninstall_entry() {
    rm -f "$WINEPREFIX.reg"
    # A missing key is an answer; any other failure of reg is shown, not taken for one.
    out=$(wine reg export "$1\\$key" "$(winepath -w "$WINEPREFIX.reg")" /y 2>&1) \
        || case $out in *'Unable to find'*) ;; *) echo "reg export $1: $out" >&2 ;; esac
    [ -f "$WINEPREFIX.reg" ] && iconv -f UTF-16 -t UTF-8 "$WINEPREFIX.reg" | tr -d '\r'
}

# check_case LABEL ROOT INSTDIR STARTMENU [INSTALLER OPTIONS...]
check_case() {
    label=$1 root=$2 dir=$3 menu=$4
    shift 4
    echo "== $label: $installer $*"
    quietly wine "$installer" "$@" || fail "$label: the installer exited with $?"
    # Once, on a busy machine, the files and the shortcut were there but the registry entry came a
    # moment later: wait until every process of the prefix has ended, as for the uninstaller.
    wineserver -w

    cmp -s "$exe" "$dir/prime-intervals.exe" || fail "$label: no prime-intervals.exe in $dir"
    for f in uninstall.exe LICENSE.txt README.txt; do
        [ -f "$dir/$f" ] || fail "$label: no $f in $dir"
    done
    lnk="$menu/$name.lnk"
    if [ -f "$lnk" ]; then
        grep -aq 'prime-intervals.exe' "$lnk" || fail "$label: the shortcut does not start the program"
    else
        fail "$label: no Start-menu entry $lnk"
    fi

    entry=$(uninstall_entry "$root")
    [ -n "$entry" ] || fail "$label: no uninstall entry under $root"
    for want in "\"DisplayName\"=\"$name\"" "\"DisplayVersion\"=\"$version\"" \
        '"Publisher"="Авторите на prime-intervals"' '"NoModify"=dword:00000001' \
        '"NoRepair"=dword:00000001'; do
        printf '%s\n' "$entry" | grep -qxF "$want" || fail "$label: the uninstall entry lacks $want"
    done
    printf '%s\n' "$entry" | grep -q '^"DisplayIcon"=".*\\\\prime-intervals.exe,0"$' \
        || fail "$label: no DisplayIcon naming the program"
    printf '%s\n' "$entry" | grep -q '^"UninstallString"="\\".*\\\\uninstall.exe\\""$' \
        || fail "$label: no UninstallString"
    printf '%s\n' "$entry" | grep -q '^"EstimatedSize"=dword:0000*[1-9a-f]' \
        || fail "$label: no EstimatedSize"
    other=HKLM
    [ "$root" = HKLM ] && other=HKCU
    [ -z "$(uninstall_entry $other)" ] || fail "$label: an uninstall entry under $other too"

    # The silent uninstaller as registered: "C:\...\uninstall.exe" /S, in .reg escapes.
    quiet=$(printf '%s\n' "$entry" | sed -n 's/^"QuietUninstallString"="\\"\(.*\)\\" \/S"$/\1/p' \
        | sed 's/\\\\/\\/g')
    if [ -n "$quiet" ]; then
        quietly wine "$quiet" /S || fail "$label: the uninstaller exited with $?"
        # It runs from a copy in the temporary folder, so that it can delete itself: wait for it.
        wineserver -w
    else
        fail "$label: no QuietUninstallString ending in /S"
    fi
    [ ! -e "$dir" ] || fail "$label: $dir is left after uninstalling:" "$(ls -A "$dir")"
    [ ! -e "$lnk" ] || fail "$label: the Start-menu entry is left after uninstalling"
    [ -z "$(uninstall_entry "$root")" ] || fail "$label: the uninstall entry is left"
}

programs="Microsoft/Windows/Start Menu/Programs"
check_case "one user" HKCU "$(folder LOCALAPPDATA)/Programs/prime-intervals" \
    "$(folder APPDATA)/$programs" /S
check_case "all users" HKLM "$(folder ProgramFiles)/prime-intervals" \
    "$(folder ProgramData)/$programs" /S /ALLUSERS

[ $status -eq 0 ] && echo "installed and uninstalled cleanly, for one user and for all"
exit $status
