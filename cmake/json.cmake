# JSON through Debian's nlohmann-json3-dev, as the target zolt_json: for the
# language server and for the build step that writes the editor grammars.
# The folder that holds it, /usr/include, must not be named as an include
# folder: the Windows cross build would then see the Linux C library's
# headers, and even the Linux build breaks the compiler's own order of system
# folders. So every build sees the nlohmann folder alone (header-only, the
# same headers serve both).
include_guard(GLOBAL)

find_path(ZOLT_JSON_INCLUDE nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(ZOLT_JSON_FOLDER ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${ZOLT_JSON_FOLDER})
file(CREATE_LINK ${ZOLT_JSON_INCLUDE}/nlohmann ${ZOLT_JSON_FOLDER}/nlohmann SYMBOLIC)
add_library(zolt_json INTERFACE)
target_include_directories(zolt_json SYSTEM INTERFACE ${ZOLT_JSON_FOLDER})
