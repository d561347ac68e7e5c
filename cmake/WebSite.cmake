# cmake -DPAGE_DIR=… -DMODULE_DIR=… -DSITE_DIR=… -P WebSite.cmake
#
# Writes the browser edition's static site. Every script, the style sheet and the
# module are named after their content (page.<hash>.js …), and each file that names
# another is written after it with the hashed name put in: a page can only ever load
# the files of its own version, whatever a cache holds. index.html, the service
# worker and the host's header files keep their names. The service worker lists
# every file with its SHA-256, which it checks before it switches versions. Beside
# each file lie its gzip and brotli forms for hosts that serve them.
cmake_minimum_required(VERSION 3.25)  # @VAR@ in quoted arguments taken literally
find_program(BROTLI brotli REQUIRED)
find_program(ZOPFLI zopfli REQUIRED)

# The policy every context is held to: the page by its <meta>, the workers by the
# header the hosts' files send (a <meta> policy does not reach them).
set(ZERUDA_CSP "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; connect-src 'self'; worker-src 'self'; style-src 'self'; img-src 'self' data: blob:; object-src 'none'; base-uri 'none'; form-action 'none'")

file(MAKE_DIRECTORY ${SITE_DIR})
# What an earlier build left: hashed names of other versions and their compressed forms.
file(GLOB stale ${SITE_DIR}/*)
if(stale)
  file(REMOVE ${stale})
endif()

set(renames "")   # "name=hashed;…": what each later file has put in
set(listed "")    # the service worker's list: "name": "sha256"
set(written "")

# site_file(NAME TEXT HASHED): writes TEXT (the file's content with the names of
# earlier files put in) under its hashed name when HASHED.
function(site_file name text hashed)
  string(SHA256 sha "${text}")
  set(target ${name})
  if(hashed)
    string(SUBSTRING ${sha} 0 12 short)
    string(REGEX REPLACE "^([^.]+)\\.(.+)$" "\\1.${short}.\\2" target ${name})
    set(renames "${renames};${name}=${target}" PARENT_SCOPE)
  endif()
  file(WRITE ${SITE_DIR}/${target} "${text}")
  set(listed "${listed}  \"${target}\": \"${sha}\",\n" PARENT_SCOPE)
  set(written "${written};${target}" PARENT_SCOPE)
endfunction()

# with_names(TEXT OUT): TEXT with every renamed file's name replaced by its hashed one.
function(with_names text out)
  foreach(pair IN LISTS renames)
    if(pair STREQUAL "")
      continue()
    endif()
    string(REPLACE "=" ";" parts "${pair}")
    list(GET parts 0 from)
    list(GET parts 1 to)
    string(REPLACE "'${from}'" "'${to}'" text "${text}")
    string(REPLACE "\"${from}\"" "\"${to}\"" text "${text}")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The module and the blocks it leaves for later (DEFERRED in zeruda_embed, and the
# articles) are binary: copied, not read as text. The blocks are those the page's
# calls name (zeruda-calls.js): each must have been built, and a block left from an
# earlier build that no call names is not shipped.
file(READ ${PAGE_DIR}/zeruda-calls.js calls)
string(REGEX MATCHALL "'k[A-Za-z]+\\.bin'" named_blocks "${calls}")
set(deferred_blocks "")
foreach(quoted IN LISTS named_blocks)
  string(REPLACE "'" "" block ${quoted})
  if(NOT EXISTS ${DEFERRED_DIR}/${block})
    message(FATAL_ERROR "zeruda-calls.js names ${block}, which the build has not left out of the module "
                        "(mark its zeruda_embed DEFERRED)")
  endif()
  list(APPEND deferred_blocks ${DEFERRED_DIR}/${block})
endforeach()
foreach(binary IN LISTS deferred_blocks ITEMS ${MODULE_DIR}/zeruda.wasm)
  get_filename_component(name ${binary} NAME)
  string(REGEX REPLACE "^([^.]+)\\.(.+)$" "\\1" stem ${name})
  string(REGEX REPLACE "^([^.]+)\\.(.+)$" "\\2" extension ${name})
  file(SHA256 ${binary} sha)
  string(SUBSTRING ${sha} 0 12 short)
  file(COPY_FILE ${binary} ${SITE_DIR}/${stem}.${short}.${extension})
  list(APPEND renames "${name}=${stem}.${short}.${extension}")
  string(APPEND listed "  \"${stem}.${short}.${extension}\": \"${sha}\",\n")
  list(APPEND written ${stem}.${short}.${extension})
endforeach()
file(SIZE ${MODULE_DIR}/zeruda.wasm ZERUDA_WASM_BYTES)

# Each after the files it names.
foreach(name IN ITEMS zeruda.js zeruda-calls.js network-guard.js worker.js zeruda-api.js install.js page.js
                     styles.css)
  if(name STREQUAL "zeruda.js")
    file(READ ${MODULE_DIR}/${name} text)
  else()
    file(READ ${PAGE_DIR}/${name} text)
  endif()
  with_names("${text}" text)
  string(REPLACE "@ZERUDA_WASM_BYTES@" "${ZERUDA_WASM_BYTES}" text "${text}")
  site_file(${name} "${text}" TRUE)
endforeach()

# The version: the content of all of the above.
string(SHA256 version "${listed}")
string(SUBSTRING ${version} 0 16 ZERUDA_SITE_VERSION)

foreach(name IN ITEMS index.html manifest.webmanifest icon.svg)
  file(READ ${PAGE_DIR}/${name} text)
  with_names("${text}" text)
  string(REPLACE "@ZERUDA_CSP@" "${ZERUDA_CSP}" text "${text}")
  string(REPLACE "@ZERUDA_SITE_VERSION@" "${ZERUDA_SITE_VERSION}" text "${text}")
  site_file(${name} "${text}" FALSE)
endforeach()

# The service worker names the guard it imports; it is not in its own list (the
# browser fetches and compares it by itself).
file(READ ${PAGE_DIR}/service-worker.js.in text)
with_names("${text}" text)
set(ZERUDA_SITE_FILES "${listed}")
string(CONFIGURE "${text}" text @ONLY)
file(WRITE ${SITE_DIR}/service-worker.js "${text}")
list(APPEND written service-worker.js)

# The hosts' header files, and what the tests read to find the hashed names.
foreach(name IN ITEMS _headers .htaccess)
  file(READ ${PAGE_DIR}/hosts/${name} text)
  string(REPLACE "@ZERUDA_CSP@" "${ZERUDA_CSP}; frame-ancestors 'none'" text "${text}")
  file(WRITE ${SITE_DIR}/${name} "${text}")
endforeach()
set(names "{\n  \"version\": \"${ZERUDA_SITE_VERSION}\"")
foreach(pair IN LISTS renames)
  if(NOT pair STREQUAL "")
    string(REPLACE "=" "\": \"" pair "${pair}")
    string(APPEND names ",\n  \"${pair}\"")
  endif()
endforeach()
file(WRITE ${SITE_DIR}/site-files.json "${names}\n}\n")

# Precompressed forms for hosts that serve them as they are (nginx's gzip_static and
# brotli_static, Apache by the rewrite rules of .htaccess, most static hosts).
foreach(name IN LISTS written)
  if(name STREQUAL "")
    continue()
  endif()
  # zopfli writes gzip that any gzip reader reads, some 5% smaller than gzip -9: the
  # module crosses a slow link a fifth of a second sooner. It names no file inside.
  execute_process(COMMAND ${ZOPFLI} --i5 ${SITE_DIR}/${name} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${BROTLI} -q 11 -k -f ${SITE_DIR}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
