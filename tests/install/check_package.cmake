# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian packages of BUILD_DIR with CPACK into WORK, as `cpack -G DEB` does, and
# checks them: the control fields (with dependencies read from the programs), the file
# lists, the unpacked trees under PACKAGE_PREFIX (see tree_checks.cmake for the other
# settings), the unpacked programs run, and the desktop entry and metainfo validated.
# Reported as skipped where the Debian packaging tools are missing.

include(${CMAKE_CURRENT_LIST_DIR}/tree_checks.cmake)

foreach(tool_and_package IN ITEMS "dpkg-deb|dpkg" "dpkg-shlibdeps|dpkg-dev" "file|file")
  string(REPLACE "|" ";" tool_and_package "${tool_and_package}")
  list(GET tool_and_package 0 tool)
  list(GET tool_and_package 1 package)
  find_program(tool_path ${tool} NO_CACHE)
  if(NOT tool_path)
    message("SKIPPED: ${tool} not found (package ${package}), no Debian package can be built")
    return()
  endif()
  unset(tool_path)
endforeach()

file(REMOVE_RECURSE "${WORK}")
run(cpack ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK})
if(NOT cpack_status EQUAL 0)
  message(FATAL_ERROR "cpack -G DEB failed:\n${cpack_output}")
endif()
run(architecture dpkg --print-architecture)
string(STRIP "${architecture_output}" architecture)

# The one package file of `name`, in Debian's naming.
function(find_package_file name out)
  set(path "${WORK}/${name}_${VERSION}_${architecture}.deb")
  if(NOT EXISTS "${path}")
    file(GLOB built "${WORK}/*.deb")
    message(FATAL_ERROR "no ${path}; cpack built: ${built}")
  endif()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

function(control_field deb field out)
  run(field dpkg-deb --field "${deb}" ${field})
  string(STRIP "${field_output}" value)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(expect_field deb field expected)
  control_field("${deb}" ${field} actual)
  if(NOT actual STREQUAL expected)
    fail("${deb}: ${field} is '${actual}', expected '${expected}'")
  endif()
endfunction()

# `packages` must be listed in the field, each with or without a version.
function(expect_relations deb field)
  control_field("${deb}" ${field} relations)
  foreach(package IN LISTS ARGN)
    string(REGEX REPLACE "([+.])" "\\\\\\1" pattern "${package}")
    if(NOT relations MATCHES "(^|, )${pattern}( \\([^)]*\\))?(,|$)")
      fail("${deb}: ${field} '${relations}' lacks ${package}")
    endif()
  endforeach()
endfunction()

# Every file lies under the prefix, and none that the other package carries.
function(expect_file_list deb forbidden)
  run(list dpkg-deb --contents "${deb}")
  string(REPLACE "\n" ";" lines "${list_output}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* \\./" "/" path "${line}")
    if(line STREQUAL "" OR path STREQUAL "/")
      continue()
    endif()
    string(FIND "${path}" "${PACKAGE_PREFIX}/" at)
    if(NOT at EQUAL 0)
      fail("${deb}: ${path} lies outside ${PACKAGE_PREFIX}")
    endif()
    if(path MATCHES "${forbidden}")
      fail("${deb}: ${path} belongs to the other package")
    endif()
  endforeach()
endfunction()

function(unpack deb name out)
  set(tree "${WORK}/unpacked/${name}")
  file(MAKE_DIRECTORY "${tree}")
  run(unpack dpkg-deb -x "${deb}" "${tree}")
  if(NOT unpack_status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x ${deb}: ${unpack_output}")
  endif()
  set(${out} "${tree}${PACKAGE_PREFIX}" PARENT_SCOPE)
endfunction()

# --- vorn: the game ------------------------------------------------------------------------
find_package_file(vorn game_deb)
expect_field("${game_deb}" Package vorn)
expect_field("${game_deb}" Version "${VERSION}")
expect_field("${game_deb}" Section games)
expect_field("${game_deb}" Architecture "${architecture}")
expect_field("${game_deb}" Homepage "${HOMEPAGE}")
expect_relations("${game_deb}" Depends libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6)
expect_relations("${game_deb}" Recommends qt6-wayland)
expect_file_list("${game_deb}" "vorn-replay")
unpack("${game_deb}" vorn game_root)
check_game_files("${game_root}")

run(version ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${game_root}/${BINDIR}/vorn
            --version)
if(NOT version_status EQUAL 0 OR NOT version_output STREQUAL "vorn ${VERSION}\n")
  fail("unpacked vorn --version: status ${version_status}, printed '${version_output}'")
endif()

# --- vorn-tools: vorn-replay ---------------------------------------------------------------
find_package_file(vorn-tools tools_deb)
expect_field("${tools_deb}" Package vorn-tools)
expect_field("${tools_deb}" Version "${VERSION}")
expect_relations("${tools_deb}" Depends libc6 libstdc++6)
control_field("${tools_deb}" Depends tools_depends)
if(tools_depends MATCHES "qt6")
  fail("vorn-replay needs no Qt, yet vorn-tools depends on: ${tools_depends}")
endif()
expect_file_list("${tools_deb}" "/bin/vorn$|/share/vorn/|/man6/vorn\\.6")
unpack("${tools_deb}" vorn-tools tools_root)
check_tools_files("${tools_root}")

file(WRITE "${WORK}/dump.script" "dump\n")
execute_process(COMMAND ${tools_root}/${BINDIR}/vorn-replay INPUT_FILE "${WORK}/dump.script"
                RESULT_VARIABLE replay_status OUTPUT_VARIABLE replay_output
                ERROR_VARIABLE replay_output TIMEOUT 60)
if(NOT replay_status EQUAL 0 OR NOT replay_output MATCHES "^newgame 121\nstate 11 1 121 0 0 0\n")
  fail("unpacked vorn-replay: status ${replay_status}, printed:\n${replay_output}")
endif()

finish_checks("Debian packages in ${WORK}")
