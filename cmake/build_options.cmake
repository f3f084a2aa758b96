# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening for every binary of the project, and the optional sanitizer build that `make test`
# runs beside the ordinary one. Included by the top-level CMakeLists.txt; adds to project_options.

# The same sources give the same bytes wherever they are checked out and built: the paths of the
# source and build folders are written as ./ and build/ into debugging information and __FILE__.
# For every compilation, also those Qt's tools add (resources, moc), which take no project_options;
# the build folder last, as it may lie inside the source folder and GCC takes the last match.
# Debug builds keep full paths, for the debugger.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")
# moc's output includes each header by its name on the include path, not by a path from the build
# folder back to the sources (../../../window), which no prefix map covers and which differs with
# where the build folder lies.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)

# The page (web/) is WebAssembly, checked by the browser: no stack protector, no ELF or PE
# hardening, and no sanitizers.
if(EMSCRIPTEN)
    return()
endif()

# Stack protector and the checked variants of the string and memory functions, on both systems.
target_compile_options(project_options INTERFACE -fstack-protector-strong)

if(WIN32)
    # Windows, cross-built with MinGW-w64: one self-contained .exe that imports only Windows' own
    # DLLs, so libstdc++, libgcc and winpthread are linked in (-static). Wide strings throughout:
    # UNICODE picks the W functions; the programs whose entry point is wWinMain or wmain add
    # -municode themselves.
    #
    # MinGW's stack protector and _FORTIFY_SOURCE call into libssp. GCC adds -lssp to the link when
    # the flag is on the link line too; with -static that is libssp.a, inside the .exe, not
    # libssp-0.dll beside it.
    #
    # The ELF hardening below means nothing for a PE file: Windows' loader takes ASLR and DEP from
    # the PE header, which binutils sets by default (--dynamicbase, --nxcompat, --high-entropy-va).
    #
    # The linker writes no time stamp into the PE header, so the same sources give the same .exe.
    target_link_options(project_options INTERFACE -static -fstack-protector-strong
        LINKER:--no-insert-timestamp)
    target_compile_definitions(project_options INTERFACE
        UNICODE _UNICODE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    return()
endif()

# Hardening: position-independent executables, full RELRO (relocations resolved at start, then
# read-only), and glibc's checked string and memory functions.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
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
