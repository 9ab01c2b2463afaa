# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# add_golden_game_tests(PREFIX <prefix> [LAUNCHER <command>...]): one test <prefix>.<game>
# for each script of tests/replay/games, whose trace must equal the recorded one byte for
# byte. Long traces are kept packed as .trace.tar.xz. LAUNCHER runs vorn-replay through
# another program, as Node runs vorn-replay.js.
function(add_golden_game_tests)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "PREFIX" "LAUNCHER")
  set(games ${PROJECT_SOURCE_DIR}/tests/replay/games)
  file(GLOB game_scripts CONFIGURE_DEPENDS ${games}/*.script)
  foreach(script IN LISTS game_scripts)
    get_filename_component(name ${script} NAME_WE)
    set(trace ${games}/${name}.trace)
    if(NOT EXISTS ${trace})
      set(trace ${trace}.tar.xz)
    endif()
    add_test(NAME ${arg_PREFIX}.${name}
      COMMAND ${CMAKE_COMMAND}
        -DREPLAY=$<TARGET_FILE:vorn-replay> -DSCRIPT=${script}
        -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR} -DTEST_NAME=${arg_PREFIX}.${name}
        -DEXPECTED_STDOUT=${trace} "-DLAUNCHER=${arg_LAUNCHER}"
        -P ${PROJECT_SOURCE_DIR}/tests/replay/run_replay.cmake)
  endforeach()
endfunction()
