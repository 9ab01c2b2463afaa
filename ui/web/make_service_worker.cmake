# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the service worker: the site's files, each with the SHA-256 of its content, and a
# cache name made from them, then the worker's compiled body.
#   cmake -DSITE_DIR=... -DBODY=... -DOUTPUT=... -P make_service_worker.cmake
file(GLOB files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(REMOVE_ITEM files service_worker.js)
list(SORT files)
set(content "")
set(listed "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE_DIR}/${file} hash)
  string(APPEND content "${file}:${hash}\n")
  string(APPEND listed "  \"./${file}\": \"${hash}\",\n")
  # The site's own address is its page.
  if(file STREQUAL "index.html")
    string(APPEND listed "  \"./\": \"${hash}\",\n")
  endif()
endforeach()
string(SHA256 build "${content}")
string(SUBSTRING ${build} 0 16 build)
file(READ ${BODY} body)
file(WRITE ${OUTPUT}.new
  "// SPDX-FileCopyrightText: 2026 The Vorn developers\n"
  "// SPDX-License-Identifier: GPL-3.0-or-later\n"
  "// Generated at build time from ui/web/worker/service_worker.ts and the site's files.\n"
  "const CACHE_NAME = \"vorn-${build}\";\n"
  "const SITE_FILES = {\n${listed}};\n"
  "${body}")
file(RENAME ${OUTPUT}.new ${OUTPUT})
