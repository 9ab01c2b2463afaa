# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows zip as a player unpacks it: one folder, vorn-VERSION-windows-x86_64, holding
# the program, its help page, the licence and the read-me and nothing else; a program that
# needs no DLL but Windows' own; a read-me that starts with the game, with Windows' line ends.
#   cmake -DCPACK=... -DBUILD_DIR=... -DVERSION=... -DOBJDUMP=... -DWORK=... -P check_zip.cmake
cmake_minimum_required(VERSION 3.25)
set(name vorn-${VERSION}-windows-x86_64)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} -G ZIP -B ${WORK} WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/${name}.zip)
  message(FATAL_ERROR "cpack made no ${name}.zip:\n${output}")
endif()
file(ARCHIVE_EXTRACT INPUT ${WORK}/${name}.zip DESTINATION ${WORK}/unpacked)

file(GLOB_RECURSE files RELATIVE ${WORK}/unpacked ${WORK}/unpacked/*)
list(SORT files)
set(expected ${name}/LICENSE.txt ${name}/README.txt ${name}/vorn.exe ${name}/vorn.htm)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "the zip holds\n  ${files}\ninstead of\n  ${expected}")
endif()

# Windows' own DLLs, which every Windows 10 and 11 has.
execute_process(COMMAND ${OBJDUMP} -p ${WORK}/unpacked/${name}/vorn.exe
                OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(windows_own kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll oleaut32.dll
    comctl32.dll msvcrt.dll)
foreach(import IN LISTS imports)
  string(REGEX REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST windows_own)
    message(FATAL_ERROR "vorn.exe needs ${dll}, which Windows does not bring")
  endif()
endforeach()
if(NOT imports)
  message(FATAL_ERROR "no imports read from vorn.exe:\n${headers}")
endif()

# Read as bytes, two hexadecimal digits and a space each, so that no line end is translated.
file(READ ${WORK}/unpacked/${name}/README.txt readme)
file(READ ${WORK}/unpacked/${name}/README.txt bytes HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
string(REPLACE "0d 0a " "" bytes "${bytes}")
string(REGEX MATCH "(^| )0a " lone_line_feed "${bytes}")
if(lone_line_feed OR NOT readme MATCHES "^Vorn ${VERSION} for Windows")
  message(FATAL_ERROR "README.txt is not the read-me of ${VERSION}, starting with its title, "
                      "with CRLF line ends")
endif()
file(SIZE ${WORK}/${name}.zip size)
message(STATUS "${name}.zip: ${size} bytes")
