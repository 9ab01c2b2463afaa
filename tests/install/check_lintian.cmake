# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lintian on the Debian packages in WORK, which the DebianPackage test makes. Any error
# or warning that no override in the packages explains fails, and so does any sign of a
# program built without Debian's hardening flags (the hardening-* tags, which lintian gives
# as information). Reported as skipped where lintian is missing, and for a build made
# without those flags on purpose (HARDENED off: a debug or sanitizer build, or
# -DVORN_HARDENING=OFF), whose packages are not for release.

if(NOT HARDENED)
  message("SKIPPED: built without Debian's hardening flags, not packages for release")
  return()
endif()
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("SKIPPED: lintian not found (package lintian)")
  return()
endif()
file(GLOB packages "${WORK}/*.deb")
if(NOT packages)
  message("SKIPPED: no packages in ${WORK} (the DebianPackage test makes them)")
  return()
endif()

# As root (as in CI) lintian runs only when told it may.
execute_process(
  COMMAND ${LINTIAN} --allow-root --fail-on error,warning --display-level ">=info" ${packages}
  RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
string(REGEX MATCHALL "(E|W): [^\n]*|[A-Z]: [^\n]* hardening-[^\n]*" faults "${report}")
if(NOT status EQUAL 0 OR faults)
  list(JOIN faults "\n" faults)
  message(FATAL_ERROR "lintian (status ${status}):\n${faults}\n\nwhole report:\n${report}")
endif()
message("lintian passed:\n${report}")
