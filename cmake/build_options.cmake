# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening for every binary of the project, and the optional sanitizer build that `make test`
# runs beside the ordinary one. Included by the top-level CMakeLists.txt; adds to project_options.

# Hardening: position-independent executables, full RELRO (relocations resolved at start, then
# read-only), stack protector, and glibc's checked variants of the string and memory functions.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(project_options INTERFACE -fstack-protector-strong)
target_link_options(project_options INTERFACE LINKER:-z,relro LINKER:-z,now)

option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SANITIZE)
    # Halt at the first report of either sanitizer; keep frames for readable stacks.
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(project_options INTERFACE ${sanitizer_flags})
    target_link_options(project_options INTERFACE ${sanitizer_flags})
else()
    # Needs optimisation, and ASan's own checks take its place in the sanitizer build.
    target_compile_definitions(project_options INTERFACE
        $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
