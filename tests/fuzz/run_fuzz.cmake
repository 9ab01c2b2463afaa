# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the fuzz target of vorn-replay for a bounded time and fails on any crash, sanitizer
# report, leak, broken rule of the trace, or input that takes over 2 seconds:
#
#   cmake -DFUZZER=<target> -DSEED_DIRS=<dir>,<dir>... -DDICTIONARY=<file> -DWORK_DIR=<dir>
#         -DSECONDS=<n> -DMAX_LEN=<bytes> -P run_fuzz.cmake
#
# The *.script files of the seed folders start the corpus; what the fuzzer finds is kept in
# WORK_DIR/corpus for the next run, and a failing input lands in WORK_DIR/artifacts.
foreach(required FUZZER SEED_DIRS DICTIONARY WORK_DIR SECONDS MAX_LEN)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "run_fuzz.cmake needs -D${required}=...")
  endif()
endforeach()

set(seeds "${WORK_DIR}/seeds")
file(REMOVE_RECURSE "${seeds}" "${WORK_DIR}/artifacts")
file(MAKE_DIRECTORY "${seeds}" "${WORK_DIR}/corpus" "${WORK_DIR}/artifacts")
string(REPLACE "," ";" seed_dirs "${SEED_DIRS}")
foreach(dir IN LISTS seed_dirs)
  file(GLOB scripts "${dir}/*.script")
  file(COPY ${scripts} DESTINATION "${seeds}")
endforeach()

execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -timeout=2 -max_len=${MAX_LEN}
    -dict=${DICTIONARY} -print_final_stats=1 -artifact_prefix=${WORK_DIR}/artifacts/
    "${WORK_DIR}/corpus" "${seeds}"
  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
file(WRITE "${WORK_DIR}/fuzz.log" "${output}")
file(GLOB corpus "${WORK_DIR}/corpus/*")
list(LENGTH corpus corpus_size)
string(REGEX MATCH "Done [0-9]+ runs in [0-9]+ second\\(s\\)" done "${output}")
if(NOT status EQUAL 0)
  # The target's own word for a broken rule comes first, then the fuzzer's or a sanitizer's.
  string(REGEX MATCH "fault: [^\n]*" cause "${output}")
  if(NOT cause)
    string(REGEX MATCH "==[0-9]+==[^\n]*|ALARM[^\n]*|[^\n]*ERROR:[^\n]*" cause "${output}")
  endif()
  message(FATAL_ERROR "the fuzz target failed (status ${status}): ${cause}\n"
    "whole log: ${WORK_DIR}/fuzz.log; the input is in ${WORK_DIR}/artifacts/")
endif()
message("fuzz: ${done}, corpus of ${corpus_size} inputs (log: ${WORK_DIR}/fuzz.log)")
