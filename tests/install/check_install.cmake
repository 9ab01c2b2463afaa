# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build folder BUILD_DIR into STAGE with DESTDIR, as a package build would, and
# checks the installed tree under PREFIX (see tree_checks.cmake for the other settings).

include(${CMAKE_CURRENT_LIST_DIR}/tree_checks.cmake)

file(REMOVE_RECURSE "${STAGE}")
run(install ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR})
if(NOT install_status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${install_output}")
endif()

set(root "${STAGE}${PREFIX}")
check_game_files("${root}")
check_tools_files("${root}")
# The program no longer hides in a folder of its own behind a link.
expect_no_file("${root}/lib/vorn")

# In the build folder the help page lies beside the program.
expect_file("${BUILD_DIR}/vorn")
expect_file("${BUILD_DIR}/vorn.htm")

finish_checks("installed tree in ${root}")
