# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every source file of the project names its licence in an SPDX header near its top.
#   cmake -DSOURCE_DIR=... -P check_licence_headers.cmake
# The search does not follow symbolic links: a Wine prefix in a build folder links to the
# root of the file system.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.in ${SOURCE_DIR}/*.cmake
  ${SOURCE_DIR}/*CMakeLists.txt ${SOURCE_DIR}/*.sh ${SOURCE_DIR}/*.py ${SOURCE_DIR}/*.htm
  ${SOURCE_DIR}/*.desktop ${SOURCE_DIR}/*.ts ${SOURCE_DIR}/*.js ${SOURCE_DIR}/*.html
  ${SOURCE_DIR}/*.css)
set(missing)
set(checked 0)
foreach(source IN LISTS sources)
  # Build folders, the Node packages and the Debian changelog (a format without comments)
  # are not sources.
  if(source MATCHES "^build" OR source MATCHES "/build[^/]*/" OR source MATCHES "(^|/)node_modules/"
     OR source STREQUAL "data/changelog.in")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS ${SOURCE_DIR}/${source} head LIMIT_COUNT 5)
  if(NOT head MATCHES "SPDX-License-Identifier: (GPL-3.0-or-later|CC0-1.0)")
    list(APPEND missing ${source})
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " shown)
  message(FATAL_ERROR "no SPDX-License-Identifier in the first lines of:\n  ${shown}")
endif()
message(STATUS "${checked} source files, each with its licence")
