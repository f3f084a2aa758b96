# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program's resources: its icon, made at build time from the PNGs of packaging/icons
# (icotool, from icoutils), its manifest, and its version, taken from the project's. Included by
# win32/CMakeLists.txt after the prime-intervals target.
enable_language(RC)

set(resources_dir ${CMAKE_CURRENT_LIST_DIR})
set(icons_dir ${PROJECT_SOURCE_DIR}/packaging/icons)

string(REPLACE "." "," WIN_VERSION_COMMAS ${WIN_VERSION})

# 16 to 64 pixels as bitmaps, which every Windows draws; 128 and 256 as PNG inside the icon, as
# Windows has read them since Vista (and a 256-pixel bitmap would be a quarter of a megabyte).
find_program(ICOTOOL icotool REQUIRED)
set(ICON_FILE ${CMAKE_CURRENT_BINARY_DIR}/prime-intervals.ico)
set(icon_bitmaps)
foreach(size 16 32 48 64)
    list(APPEND icon_bitmaps ${icons_dir}/${size}/prime-intervals.png)
endforeach()
set(icon_pngs ${icons_dir}/128/prime-intervals.png ${icons_dir}/256/prime-intervals.png)
list(TRANSFORM icon_pngs PREPEND "--raw=" OUTPUT_VARIABLE icon_raw_args)
add_custom_command(OUTPUT ${ICON_FILE}
    COMMAND ${ICOTOOL} --create --output=${ICON_FILE} ${icon_bitmaps} ${icon_raw_args}
    DEPENDS ${icon_bitmaps} ${icon_pngs}
    COMMENT "Making the program's icon from packaging/icons"
    VERBATIM)

set(MANIFEST_FILE ${CMAKE_CURRENT_BINARY_DIR}/prime-intervals.manifest)
configure_file(${resources_dir}/prime-intervals.manifest.in ${MANIFEST_FILE} @ONLY)
configure_file(${resources_dir}/prime-intervals.rc.in
    ${CMAKE_CURRENT_BINARY_DIR}/prime-intervals.rc @ONLY)

# windres reads the icon and the manifest by name, out of CMake's sight: name them as inputs.
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/prime-intervals.rc PROPERTIES
    OBJECT_DEPENDS "${ICON_FILE};${MANIFEST_FILE}")
target_sources(prime-intervals PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/prime-intervals.rc)
