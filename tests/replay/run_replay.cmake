# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs vorn-replay on one script and compares what it does with what is expected:
#
#   cmake -DREPLAY=<vorn-replay> -DSCRIPT=<script> -DWORK_DIR=<dir> [options] -P run_replay.cmake
#
# SCRIPT may be left out when RUN is given.
#
#   EXPECTED_STDOUT=<file>   standard output must equal this file exactly (default: empty);
#                            a NAME.tar.xz holding the file NAME is unpacked first
#   STDOUT_REGEX=<regex>     instead of EXPECTED_STDOUT: standard output must match this
#   EXPECTED_STDERR=<file>   standard error must equal this file exactly (default: empty)
#   STDERR_REGEX=<regex>     instead of EXPECTED_STDERR: standard error must match this
#   EXPECTED_STATUS=<n>      the exit status (default 0)
#   STDIN=ON                 feed the script on standard input instead of naming the file
#   CRLF=ON                  convert the script to CRLF line endings first
#   CR=ON                    convert the script to lone CR line endings first
#   EXTRA_ARG=<arg>          one more command-line argument after the script
#   LAUNCHER=<command>       run the program through this command, a ;-list such as
#                            "node" for vorn-replay.js, or Wine for vorn-replay.exe
#   RUN=<command>            run this shell command instead, with the program as "$1", the
#                            script as "$2" and a scratch folder as "$3" (for redirections
#                            such as "$1" <&- or "$1" "$2" >/dev/full)
#
# A difference in standard output is shown as a unified diff against the expected file.
foreach(required REPLAY WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "run_replay.cmake needs -D${required}=...")
  endif()
endforeach()
if(NOT SCRIPT AND NOT DEFINED RUN)
  message(FATAL_ERROR "run_replay.cmake needs -DSCRIPT=... or -DRUN=...")
endif()
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()

get_filename_component(name "${SCRIPT}" NAME_WE)
set(work "${WORK_DIR}/${TEST_NAME}")
file(MAKE_DIRECTORY "${work}")

set(script "${SCRIPT}")
if(CRLF OR CR)
  file(READ "${SCRIPT}" text)
  if(CRLF)
    string(REPLACE "\n" "\r\n" text "${text}")
    set(script "${work}/${name}.crlf.script")
  else()
    string(REPLACE "\n" "\r" text "${text}")
    set(script "${work}/${name}.cr.script")
  endif()
  file(WRITE "${script}" "${text}")
endif()

if(DEFINED RUN)
  execute_process(COMMAND sh -c "${RUN}" sh "${REPLAY}" "${script}" "${work}"
    OUTPUT_FILE "${work}/stdout" ERROR_FILE "${work}/stderr" RESULT_VARIABLE status)
elseif(STDIN)
  execute_process(COMMAND ${LAUNCHER} "${REPLAY}" INPUT_FILE "${script}"
    OUTPUT_FILE "${work}/stdout" ERROR_FILE "${work}/stderr" RESULT_VARIABLE status)
else()
  execute_process(COMMAND ${LAUNCHER} "${REPLAY}" "${script}" ${EXTRA_ARG}
    OUTPUT_FILE "${work}/stdout" ERROR_FILE "${work}/stderr" RESULT_VARIABLE status)
endif()

file(READ "${work}/stdout" actual_stdout)
file(READ "${work}/stderr" actual_stderr)
set(failures "")

if(DEFINED STDOUT_REGEX)
  if(NOT actual_stdout MATCHES "${STDOUT_REGEX}")
    string(APPEND failures
      "standard output does not match \"${STDOUT_REGEX}\":\n${actual_stdout}\n")
  endif()
else()
  if(DEFINED EXPECTED_STDOUT AND EXPECTED_STDOUT MATCHES "\\.tar\\.xz$")
    # Long traces are kept packed; the diff below then shows the unpacked file.
    file(ARCHIVE_EXTRACT INPUT "${EXPECTED_STDOUT}" DESTINATION "${work}/expected")
    get_filename_component(packed "${EXPECTED_STDOUT}" NAME)
    string(REGEX REPLACE "\\.tar\\.xz$" "" unpacked "${packed}")
    set(EXPECTED_STDOUT "${work}/expected/${unpacked}")
  endif()
  if(DEFINED EXPECTED_STDOUT)
    file(READ "${EXPECTED_STDOUT}" expected_stdout)
  else()
    set(expected_stdout "")
    set(EXPECTED_STDOUT "${work}/empty")
    file(WRITE "${EXPECTED_STDOUT}" "")
  endif()
  if(NOT actual_stdout STREQUAL expected_stdout)
    find_program(DIFF diff)
    if(DIFF)
      execute_process(COMMAND "${DIFF}" -u "${EXPECTED_STDOUT}" "${work}/stdout"
        OUTPUT_VARIABLE diff)
    else()
      set(diff "expected:\n${expected_stdout}\nactual:\n${actual_stdout}")
    endif()
    string(APPEND failures "standard output differs from ${EXPECTED_STDOUT}:\n${diff}\n")
  endif()
endif()

if(DEFINED STDERR_REGEX)
  if(NOT actual_stderr MATCHES "${STDERR_REGEX}")
    string(APPEND failures "standard error does not match \"${STDERR_REGEX}\":\n${actual_stderr}\n")
  endif()
else()
  set(expected_stderr "")
  if(DEFINED EXPECTED_STDERR)
    file(READ "${EXPECTED_STDERR}" expected_stderr)
  endif()
  if(NOT actual_stderr STREQUAL expected_stderr)
    string(APPEND failures "standard error:\n${actual_stderr}\nexpected:\n${expected_stderr}\n")
  endif()
endif()

if(NOT status STREQUAL EXPECTED_STATUS)
  string(APPEND failures "exit status ${status}, expected ${EXPECTED_STATUS}\n")
endif()

if(failures)
  message(FATAL_ERROR "vorn-replay ${script}:\n${failures}")
endif()
