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
