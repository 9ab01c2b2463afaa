# Installs the build folder BUILD_DIR into STAGE with DESTDIR, as a package build would, and
# checks the installed tree: the program with its help page in PROGRAM_DIR, the command link
# in BINDIR, and the desktop entry, metainfo and icons under DATADIR.
# Validators are used where the machine has them (DESKTOP_FILE_VALIDATE, APPSTREAMCLI).

set(app_id io.github.vorngame.Vorn)

function(fail message)
  message(SEND_ERROR "${message}")
endfunction()

function(expect_file path)
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    fail("missing: ${path}")
  endif()
endfunction()

# The first bytes of a file, as base-16 digits.
function(file_magic path bytes out)
  file(READ "${path}" magic LIMIT ${bytes} HEX)
  set(${out} "${magic}" PARENT_SCOPE)
endfunction()

# A PNG's width and height from its header chunk.
function(png_size path out)
  file(READ "${path}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_digits)
  string(SUBSTRING "${header}" 8 8 height_digits)
  math(EXPR width "0x${width_digits}")
  math(EXPR height "0x${height_digits}")
  set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()

# The value of `key` in the [Desktop Entry] group of a desktop file.
function(desktop_value path key out)
  file(STRINGS "${path}" lines REGEX "^${key}=")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    fail("${path}: expected one ${key}= line, found ${count}")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "^${key}=" "" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# --- Install ------------------------------------------------------------------------------
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR}
  RESULT_VARIABLE install_result
  OUTPUT_VARIABLE install_output
  ERROR_VARIABLE install_output)
if(NOT install_result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${install_output}")
endif()

# --- The program and its help page, side by side ------------------------------------------
set(program "${STAGE}${PROGRAM_DIR}/vorn")
expect_file("${program}")
if(EXISTS "${program}")
  file_magic("${program}" 4 magic)
  if(NOT magic STREQUAL "7f454c46")
    fail("${program} is no executable (starts with ${magic})")
  endif()
endif()

set(help_page "${STAGE}${PROGRAM_DIR}/vorn.htm")
expect_file("${help_page}")
if(EXISTS "${help_page}")
  file(SHA256 "${help_page}" installed_page)
  file(SHA256 "${SOURCE_DIR}/data/vorn.htm" source_page)
  if(NOT installed_page STREQUAL source_page)
    fail("the installed help page differs from data/vorn.htm")
  endif()
endif()

# In the build folder too the page lies beside the program.
expect_file("${BUILD_DIR}/vorn")
expect_file("${BUILD_DIR}/vorn.htm")

# --- The command: a relative link to the program --------------------------------------------
set(command "${STAGE}${BINDIR}/vorn")
if(NOT IS_SYMLINK "${command}")
  fail("${command} is not a symbolic link")
else()
  file(READ_SYMLINK "${command}" link_target)
  if(IS_ABSOLUTE "${link_target}")
    fail("${command} points to an absolute path: ${link_target}")
  endif()
  file(REAL_PATH "${command}" command_real)
  file(REAL_PATH "${program}" program_real)
  if(NOT command_real STREQUAL program_real)
    fail("${command} leads to ${command_real}, not to ${program_real}")
  endif()
endif()

# --- Desktop entry --------------------------------------------------------------------------
set(desktop "${STAGE}${DATADIR}/applications/${app_id}.desktop")
expect_file("${desktop}")
if(EXISTS "${desktop}")
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT valid EQUAL 0 OR NOT report STREQUAL "")
      fail("desktop-file-validate: ${report}")
    endif()
  endif()
  file(STRINGS "${desktop}" first_line LIMIT_COUNT 1)
  if(NOT first_line STREQUAL "[Desktop Entry]")
    fail("${desktop} does not start with [Desktop Entry]")
  endif()
  desktop_value("${desktop}" Type type)
  if(NOT type STREQUAL "Application")
    fail("Type=${type}, expected Application")
  endif()
  desktop_value("${desktop}" Exec exec)
  string(REGEX REPLACE " .*" "" exec_command "${exec}")
  if(NOT EXISTS "${STAGE}${BINDIR}/${exec_command}")
    fail("Exec=${exec} names no installed command in ${BINDIR}")
  endif()
  desktop_value("${desktop}" Icon icon)
  if(NOT icon STREQUAL app_id)
    fail("Icon=${icon}, expected ${app_id}")
  endif()
endif()

# --- Icons ----------------------------------------------------------------------------------
set(hicolor "${STAGE}${DATADIR}/icons/hicolor")
string(REPLACE "," ";" icon_sizes "${ICON_SIZES}")
foreach(size IN LISTS icon_sizes)
  set(icon_file "${hicolor}/${size}x${size}/apps/${app_id}.png")
  expect_file("${icon_file}")
  if(EXISTS "${icon_file}")
    file_magic("${icon_file}" 8 magic)
    png_size("${icon_file}" actual)
    if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT actual STREQUAL "${size}x${size}")
      fail("${icon_file} is not a ${size}x${size} PNG (${magic}, ${actual})")
    endif()
  endif()
endforeach()
set(scalable "${hicolor}/scalable/apps/${app_id}.svg")
expect_file("${scalable}")
if(EXISTS "${scalable}")
  file(READ "${scalable}" svg)
  if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"")
    fail("${scalable} is no SVG image")
  endif()
endif()

# --- AppStream metainfo ---------------------------------------------------------------------
set(metainfo "${STAGE}${DATADIR}/metainfo/${app_id}.metainfo.xml")
expect_file("${metainfo}")
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  if(NOT xml MATCHES "<id>${app_id}</id>")
    fail("${metainfo} does not carry the id ${app_id}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>")
    fail("${metainfo} does not launch ${app_id}.desktop")
  endif()
  if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT valid EQUAL 0)
      fail("appstreamcli validate: ${report}")
    endif()
  endif()
endif()

message(STATUS "Installed tree checked in ${STAGE}")
