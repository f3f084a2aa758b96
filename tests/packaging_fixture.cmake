# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Fixtures of the packaging tests, run by CTest: a fresh staged install under OUT (STEP=install)
# or a fresh .deb in OUT (STEP=package). Starting from an empty OUT keeps files of an earlier
# run from hiding a file that is no longer installed.
file(REMOVE_RECURSE "${OUT}")
if(STEP STREQUAL "install")
    set(ENV{DESTDIR} "${OUT}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
        COMMAND_ERROR_IS_FATAL ANY)
elseif(STEP STREQUAL "package")
    execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${OUT}"
        COMMAND_ERROR_IS_FATAL ANY)
else()
    message(FATAL_ERROR "STEP must be install or package")
endif()
