# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The boundary between the game's C++ glue and the page's TypeScript, read from the one list
# of it, the declarations in src/vorn.d.ts (see there).

# The names of the members of `interface` in the declarations `file`, in their order.
function(vorn_declared_members file interface result)
  file(READ ${file} text)
  string(REGEX MATCH "export interface ${interface} {[^}]*}" body "${text}")
  if(body STREQUAL "")
    message(FATAL_ERROR "${file} declares no interface ${interface}")
  endif()
  string(REGEX MATCHALL "\n  [A-Za-z_][A-Za-z0-9_]*\\(" members "${body}")
  list(TRANSFORM members REPLACE "^\n  ([A-Za-z0-9_]+)\\($" "\\1")
  set(${result} ${members} PARENT_SCOPE)
endfunction()

# The functions page_entry.cpp keeps for the script, with the underscore the module gives
# them.
function(vorn_kept_functions file result)
  file(READ ${file} text)
  string(REGEX MATCHALL "EMSCRIPTEN_KEEPALIVE[^(]*\\(" kept "${text}")
  list(TRANSFORM kept REPLACE "^.*[^A-Za-z0-9_]([A-Za-z0-9_]+)\\($" "_\\1")
  set(${result} ${kept} PARENT_SCOPE)
endfunction()

# The calls page_window.cpp makes on the page's object.
function(vorn_page_calls file result)
  file(READ ${file} text)
  string(REGEX MATCHALL "Module\\.page\\.[A-Za-z0-9_]+\\(" calls "${text}")
  list(TRANSFORM calls REPLACE "^Module\\.page\\.([A-Za-z0-9_]+)\\($" "\\1")
  list(REMOVE_DUPLICATES calls)
  set(${result} ${calls} PARENT_SCOPE)
endfunction()

# Fails when two lists do not hold the same names, naming those in only one of them.
function(vorn_same_names what first first_name second second_name)
  set(only_first ${first})
  set(only_second ${second})
  if(second)
    list(REMOVE_ITEM only_first ${second})
  endif()
  if(first)
    list(REMOVE_ITEM only_second ${first})
  endif()
  if(only_first OR only_second)
    list(JOIN only_first ", " only_first)
    list(JOIN only_second ", " only_second)
    message(FATAL_ERROR "${what} differ: only in ${first_name}: [${only_first}]; "
                        "only in ${second_name}: [${only_second}]")
  endif()
endfunction()

# Run as a script (cmake -P) by the build: checks the glue against the declarations.
if(CMAKE_SCRIPT_MODE_FILE AND DECLARATIONS)
  vorn_declared_members(${DECLARATIONS} VornExports exports)
  list(FILTER exports INCLUDE REGEX "^_vorn_")
  # ENTRY: the glue's files, separated by commas.
  string(REPLACE "," ";" entries "${ENTRY}")
  set(kept)
  foreach(entry IN LISTS entries)
    vorn_kept_functions(${entry} kept_here)
    list(APPEND kept ${kept_here})
  endforeach()
  vorn_same_names("The game's exported functions" "${exports}" "VornExports of ${DECLARATIONS}"
                  "${kept}" "the EMSCRIPTEN_KEEPALIVE functions of ${ENTRY}")
  vorn_declared_members(${DECLARATIONS} PageCallbacks callbacks)
  vorn_page_calls(${WINDOW} calls)
  vorn_same_names("The page's callbacks" "${callbacks}" "PageCallbacks of ${DECLARATIONS}"
                  "${calls}" "the Module.page calls of ${WINDOW}")
  file(TOUCH ${STAMP})
endif()
