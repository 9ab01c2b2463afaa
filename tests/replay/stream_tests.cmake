# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# add_replay_stream_tests(PREFIX <prefix> REPLAY <program> [SKIP <name>...]): runs of
# vorn-replay on scripts from files and standard input, on streams that fail or wait, and on
# command lines, each checked by run_replay.cmake as test <prefix>.<name>. Every build of the
# program must end them alike. REPLAY is a file that can be run as it is (for vorn-replay.js,
# a script that starts Node with it); SKIP names the runs that cannot be made with it.
function(add_replay_stream_tests)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "PREFIX;REPLAY" "SKIP")
  set(games ${PROJECT_SOURCE_DIR}/tests/replay/games)
  set(errors ${PROJECT_SOURCE_DIR}/tests/replay/errors)
  # The usage line as a regular expression.
  set(usage "Usage: vorn-replay \\[--help\\] \\[--version\\] \\[--\\] \\[SCRIPT\\]")

  # The same game read from standard input, and with CRLF line endings.
  add_replay_test(NAME stdin.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS STDIN=ON EXPECTED_STDOUT=${games}/green_wins_square.trace)
  add_replay_test(NAME crlf.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS CRLF=ON EXPECTED_STDOUT=${games}/green_wins_square.trace)

  # A bad line: the lines before it run, it is reported with its number, and nothing after it
  # runs; on standard input as from a file.
  foreach(mode file stdin)
    set(stdin_option "")
    if(mode STREQUAL "stdin")
      set(stdin_option STDIN=ON)
    endif()
    add_replay_test(NAME error.bad_line.${mode} SCRIPT ${errors}/bad_line.script
      OPTIONS EXPECTED_STATUS=2 EXPECTED_STDOUT=${errors}/bad_line.stdout
              EXPECTED_STDERR=${errors}/bad_line.stderr ${stdin_option})
  endforeach()
  add_replay_test(NAME error.exponent SCRIPT ${errors}/exponent.script
    OPTIONS EXPECTED_STATUS=2 EXPECTED_STDOUT=${errors}/exponent.stdout
            EXPECTED_STDERR=${errors}/exponent.stderr)

  # Exitx ends the run: a bad line after it is never read.
  add_replay_test(NAME exit_ends_the_run SCRIPT ${errors}/exit.script
    OPTIONS EXPECTED_STDOUT=${errors}/exit.stdout)

  # Scripts that cannot be read, and a wrong command line.
  add_replay_test(NAME error.missing_script SCRIPT ${errors}/no-such-script
    OPTIONS EXPECTED_STATUS=2
            "STDERR_REGEX=^vorn-replay: cannot open script [^\n]*no-such-script: No such file or directory\n$")
  add_replay_test(NAME error.directory SCRIPT ${errors}
    OPTIONS EXPECTED_STATUS=2 "STDERR_REGEX=^vorn-replay: cannot read script [^\n]*errors: Is a directory\n$")
  add_replay_test(NAME error.too_many_arguments SCRIPT ${errors}/exit.script
    OPTIONS EXPECTED_STATUS=2 EXTRA_ARG=more
            "STDERR_REGEX=^vorn-replay: too many arguments: \"more\" after the script\n${usage}\n$")

  # Line ends, standard input named "-", and the limits that keep a script from flooding the
  # program or its messages.
  add_replay_test(NAME cr.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS CR=ON EXPECTED_STDOUT=${games}/green_wins_square.trace)
  add_replay_test(NAME dash_is_stdin.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS "RUN=\"$1\" - <\"$2\"" EXPECTED_STDOUT=${games}/green_wins_square.trace)
  add_replay_test(NAME error.endless_line SCRIPT /dev/zero
    OPTIONS EXPECTED_STATUS=2 "STDOUT_REGEX=^newgame 121\n$"
            "STDERR_REGEX=^vorn-replay: line 1 is longer than 65536 bytes\n$")
  # Before the limit this run filled memory; a fault there must not hang the suite.
  set_tests_properties(${arg_PREFIX}.error.endless_line PROPERTIES TIMEOUT 60)
  add_replay_test(NAME error.long_line_after_good_ones
    OPTIONS EXPECTED_STATUS=2
            "RUN=(echo menu Decreasex && head -c 65537 /dev/zero && echo && echo dump) | \"$1\""
            "STDOUT_REGEX=^newgame 121\nnewgame 100\n$"
            "STDERR_REGEX=^vorn-replay: line 2 is longer than 65536 bytes\n$")
  add_replay_test(NAME error.long_token
    OPTIONS EXPECTED_STATUS=2 "RUN=head -c 65536 /dev/zero | \"$1\""
            "STDOUT_REGEX=^newgame 121\n$" EXPECTED_STDERR=${errors}/long_token.stderr)

  # Streams that fail: each ends the run with status 2 and the system's words for the cause,
  # never as an empty script or a finished trace.
  add_replay_test(NAME error.stdin_directory
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" </"
            "STDERR_REGEX=^vorn-replay: cannot read standard input: Is a directory\n$")
  add_replay_test(NAME error.stdin_closed
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" <&-"
            "STDERR_REGEX=^vorn-replay: cannot read standard input: Bad file descriptor\n$")
  # Reading the start of a process's own memory fails with an input/output error.
  add_replay_test(NAME error.read_fails.file SCRIPT /proc/self/mem
    OPTIONS EXPECTED_STATUS=2 "STDOUT_REGEX=^newgame 121\n$"
            "STDERR_REGEX=^vorn-replay: line 1: cannot read script [^\n]*: Input/output error\n$")
  add_replay_test(NAME error.read_fails.stdin
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" - </proc/self/mem" "STDOUT_REGEX=^newgame 121\n$"
            "STDERR_REGEX=^vorn-replay: line 1: cannot read standard input: Input/output error\n$")
  add_replay_test(NAME error.trace_to_full_disk SCRIPT ${games}/green_wins_square.script
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" \"$2\" >/dev/full"
            "STDERR_REGEX=^vorn-replay: cannot write the trace: No space left on device\n$")
  add_replay_test(NAME error.stdout_closed SCRIPT ${errors}/exit.script
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" \"$2\" >&-"
            "STDERR_REGEX=^vorn-replay: cannot write the trace: Bad file descriptor\n$")

  # A reader that has gone before the trace is written: the trace is lost like any other, with
  # status 2 and the system's words, not a death by SIGPIPE (status 141). The reader closes its
  # end first, then lets the program start.
  add_replay_test(NAME error.reader_gone SCRIPT ${games}/green_wins_square.script
    OPTIONS "RUN=rm -f \"$3/go\" && mkfifo \"$3/go\" && (read go <\"$3/go\" && \"$1\" \"$2\" || echo \"status $?\" >&2) | (exec <&- && echo >\"$3/go\")"
            "STDERR_REGEX=^vorn-replay: cannot write the trace: Broken pipe\nstatus 2\n$")
  # A script saved with a byte-order mark plays as without it.
  add_replay_test(NAME byte_order_mark.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS "RUN=(printf '\\357\\273\\277' && cat \"$2\") | \"$1\""
            EXPECTED_STDOUT=${games}/green_wins_square.trace)

  # The command line: help and version, options refused, "--" and "./" before a script whose
  # name looks like an option.
  add_replay_test(NAME help OPTIONS "RUN=\"$1\" --help"
    "STDOUT_REGEX=^${usage}\n.*\n  --help  .*\n  --version  .*\n  --  .*vorn-replay\\(6\\)")
  add_replay_test(NAME version OPTIONS "RUN=\"$1\" --version"
    "STDOUT_REGEX=^vorn-replay ${PROJECT_VERSION}\n$")
  add_replay_test(NAME error.help_to_full_disk
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" --help >/dev/full"
            "STDERR_REGEX=^vorn-replay: cannot write to standard output: No space left on device\n$")
  add_replay_test(NAME error.unknown_option
    OPTIONS EXPECTED_STATUS=2 "RUN=\"$1\" --frobnicate"
            "STDERR_REGEX=^vorn-replay: unknown option \"--frobnicate\"\n${usage}\n$")
  add_replay_test(NAME error.unknown_short_option SCRIPT ${errors}/exit.script
    OPTIONS EXPECTED_STATUS=2 EXTRA_ARG=-h
            "STDERR_REGEX=^vorn-replay: unknown option \"-h\"\n${usage}\n$")
  add_replay_test(NAME script_named_like_an_option.dot_slash SCRIPT ${errors}/exit.script
    OPTIONS "RUN=cp \"$2\" \"$3/--help\" && cd \"$3\" && \"$1\" ./--help"
            EXPECTED_STDOUT=${errors}/exit.stdout)
  add_replay_test(NAME script_named_like_an_option.after_dashes SCRIPT ${errors}/exit.script
    OPTIONS "RUN=cp \"$2\" \"$3/--help\" && cd \"$3\" && \"$1\" -- --help"
            EXPECTED_STDOUT=${errors}/exit.stdout)

  # A trace on a pipe that the program at its other end has made non-blocking (as Node does
  # with its own standard output): the program waits while the pipe is full, and the whole
  # trace arrives. The reader starts late, so that the pipe fills.
  add_replay_test(NAME nonblocking_trace.largest_board SCRIPT ${games}/largest_board.script
    OPTIONS "RUN=(perl -MFcntl -e 'fcntl(STDOUT, F_SETFL, fcntl(STDOUT, F_GETFL, 0) | O_NONBLOCK) and exec @ARGV' \"$1\" \"$2\" || echo \"status $?\" >&2) | (sleep 1 && cat)"
            EXPECTED_STDOUT=${games}/largest_board.trace.tar.xz)
  # The same for a script on standard input that comes late.
  add_replay_test(NAME nonblocking_script.green_wins_square SCRIPT ${games}/green_wins_square.script
    OPTIONS "RUN=(sleep 1 && cat \"$2\") | perl -MFcntl -e 'fcntl(STDIN, F_SETFL, fcntl(STDIN, F_GETFL, 0) | O_NONBLOCK) and exec @ARGV' \"$1\""
            EXPECTED_STDOUT=${games}/green_wins_square.trace)
endfunction()

# add_replay_test(NAME <name> SCRIPT <file> [OPTIONS option=value ...]): one run of the
# program of add_replay_stream_tests, which calls it.
function(add_replay_test)
  cmake_parse_arguments(PARSE_ARGV 0 test "" "NAME;SCRIPT" "OPTIONS")
  if(test_NAME IN_LIST arg_SKIP)
    return()
  endif()
  set(definitions "")
  foreach(option IN LISTS test_OPTIONS)
    list(APPEND definitions "-D${option}")
  endforeach()
  add_test(NAME ${arg_PREFIX}.${test_NAME}
    COMMAND ${CMAKE_COMMAND}
      -DREPLAY=${arg_REPLAY} -DSCRIPT=${test_SCRIPT}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR} -DTEST_NAME=${arg_PREFIX}.${test_NAME}
      ${definitions} -P ${PROJECT_SOURCE_DIR}/tests/replay/run_replay.cmake)
endfunction()
