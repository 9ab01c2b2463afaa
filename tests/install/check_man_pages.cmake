# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Lints the man pages PAGES (a comma-separated list of files) with mandoc: any message, of
# style included, fails. Without mandoc the test is reported as skipped.

find_program(MANDOC mandoc)
if(NOT MANDOC)
  message("SKIPPED: mandoc not found (package mandoc)")
  return()
endif()
string(REPLACE "," ";" pages "${PAGES}")
foreach(page IN LISTS pages)
  execute_process(COMMAND ${MANDOC} -T lint -W style ${page}
                  RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT status EQUAL 0 OR NOT report STREQUAL "")
    message(SEND_ERROR "mandoc -T lint ${page}:\n${report}")
  endif()
endforeach()

# The game's page lists every status the program ends with (0, 1 without a window or after a
# fault it cannot recover from, 2 for a refused command line), and names the package of the
# tool it points to, which is not its own.
foreach(page IN LISTS pages)
  if(NOT page MATCHES "/vorn\\.6$")
    continue()
  endif()
  file(READ ${page} text)
  string(REGEX MATCH "\n\\.SH EXIT STATUS\n(.*)\n\\.SH " statuses "${text}")
  set(statuses "${CMAKE_MATCH_1}")
  foreach(status 0 1 2)
    if(NOT statuses MATCHES "\\.TP\n${status}\n")
      message(SEND_ERROR "${page}: EXIT STATUS does not list status ${status}")
    endif()
  endforeach()
  if(NOT text MATCHES "\\.BR vorn\\\\-replay \\(6\\),\nin the package\n\\.BR vorn\\\\-tools")
    message(SEND_ERROR "${page}: vorn-replay(6) is named without its package, vorn-tools")
  endif()
endforeach()
