# cmake -DPAGE_DIR=… -DMODULE_DIR=… -DSITE_DIR=… -P WebSite.cmake
#
# Writes the browser edition's static site: the page's files, the module (zeruda.js,
# zeruda.wasm) and the service worker made from service-worker.js.in, which caches
# every file of the site under a name taken from their content.
file(GLOB page_files RELATIVE ${PAGE_DIR} ${PAGE_DIR}/*)
list(REMOVE_ITEM page_files service-worker.js.in)
set(site_files "")
set(hashes "")
foreach(name IN LISTS page_files)
  list(APPEND site_files ${PAGE_DIR}/${name})
endforeach()
list(APPEND site_files ${MODULE_DIR}/zeruda.js ${MODULE_DIR}/zeruda.wasm)

file(MAKE_DIRECTORY ${SITE_DIR})
set(cached "\"./\"")
foreach(file IN LISTS site_files)
  get_filename_component(name ${file} NAME)
  file(SHA256 ${file} hash)
  string(APPEND hashes "${name}:${hash}\n")
  string(APPEND cached ",\n  \"./${name}\"")
  file(COPY_FILE ${file} ${SITE_DIR}/${name} ONLY_IF_DIFFERENT)
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 ZERUDA_SITE_VERSION)
set(ZERUDA_SITE_FILES "${cached}")
configure_file(${PAGE_DIR}/service-worker.js.in ${SITE_DIR}/service-worker.js @ONLY)
