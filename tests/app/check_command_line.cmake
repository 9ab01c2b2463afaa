# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM (vorn) with each kind of command line and checks its output and status.
# Every run has no display at all: a program that tried to open a window would stop with the
# window system's error instead of giving the answer expected here.

set(usage "Usage: vorn [--help] [--version]")

# run(<arguments...>): runs the program; sets status, out and err. The settings in the list
# `environment` are made first.
function(run)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${environment} ${PROGRAM} ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error TIMEOUT 30)
  set(status "${result}" PARENT_SCOPE)
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
endfunction()

function(report arguments expectation)
  message(SEND_ERROR "vorn ${arguments}: expected ${expectation}\n"
                     "status ${status}\nstdout:\n${out}\nstderr:\n${err}")
endfunction()

# The answers to --help and --version: on standard output, nothing on standard error.
foreach(arguments IN ITEMS "--version" "-v")
  run(${arguments})
  if(NOT (status EQUAL 0 AND out STREQUAL "vorn ${VERSION}\n" AND err STREQUAL ""))
    report("${arguments}" "the version")
  endif()
endforeach()
foreach(arguments IN ITEMS "--help" "-h" "--version;--help")
  run(${arguments})
  string(FIND "${out}" "${usage}\n" usage_at)
  if(NOT (status EQUAL 0 AND usage_at EQUAL 0 AND err STREQUAL ""))
    report("${arguments}" "the help, starting with the usage")
  endif()
  foreach(named IN ITEMS "-h, --help" "-v, --version" "vorn(6)")
    string(FIND "${out}" "${named}" named_at)
    if(named_at LESS 0)
      report("${arguments}" "a help that names ${named}")
    endif()
  endforeach()
endforeach()

# Refused: one line naming what is wrong as it was typed, then the usage and a hint; status 2
# and nothing else.
set(refusals
  "--bogus|Unknown option '--bogus'."
  "--bogus=3:--help|Unknown option '--bogus'."
  "-x|Unknown option '-x'."
  "--version=2|Unexpected value after '--version'."
  "board.txt|Unexpected argument 'board.txt'."
  "--help:board.txt|Unexpected argument 'board.txt'."
  "--:--help|Unexpected argument '--help'."
  "-platform:offscreen|Unknown option '-platform'."
  "-|Unexpected argument '-'.")
foreach(case IN LISTS refusals)
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 arguments)
  list(GET case 1 named)
  string(REPLACE ":" ";" arguments "${arguments}")
  run(${arguments})
  if(NOT (status EQUAL 2 AND out STREQUAL ""
          AND err STREQUAL "vorn: ${named}\n${usage}\nTry 'vorn --help'.\n"))
    report("${arguments}" "a refusal naming: ${named}")
  endif()
endforeach()

# Without a display the game cannot open its window: one line naming the cause and status 1,
# never Qt's advice and an abort (status 134 and a core dump).
function(expect_no_window setting cause)
  set(environment ${setting})
  run()
  if(NOT (status EQUAL 1 AND out STREQUAL ""
          AND err MATCHES "^vorn: cannot open a window: ${cause}\n$"))
    report("(${setting})" "one line: cannot open a window: ${cause}")
  endif()
endfunction()
# (The "." stands for the ";" of the message, at which a CMake list would be split.)
expect_no_window(DISPLAY= "no display. set DISPLAY or WAYLAND_DISPLAY")
expect_no_window(DISPLAY=not-a-display "could not connect to display not-a-display")
expect_no_window(QT_QPA_PLATFORM=no-such-platform
                 "Could not find the Qt platform plugin \"no-such-platform\"[^\n]*")
# A platform plugin that is not installed: the line names the package that brings it (where
# Qt's Wayland plugin is installed, the program fails later, for want of a compositor).
set(environment QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-vorn-test)
run()
if(status EQUAL 1 AND err MATCHES "Could not find the Qt platform plugin \"wayland\""
   AND NOT err MATCHES "; install the package qt6-wayland\n$")
  report("(QT_QPA_PLATFORM=wayland)" "the package that brings the plugin: qt6-wayland")
endif()

# An answer that cannot be written is an error, not a success.
execute_process(COMMAND ${PROGRAM} --version OUTPUT_FILE /dev/full
                RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 30)
set(out "")
if(NOT (status EQUAL 2 AND err MATCHES "^vorn: cannot write to standard output: "))
  report("--version >/dev/full" "a report of the failed write")
endif()
