# The Windows build's own settings: tests run under Wine, GoogleTest is built
# from Debian's sources with the same cross compiler.

enable_language(RC)

# Every Wine call goes through one wrapper that knows this build's Wine prefix.
configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)

# Listing the tests needs Wine, so it happens when the tests run, not at build
# time, and may take a while.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/wine-modules)

set(ZOLT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZOLT_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not held to this project's warning flags.
set_property(TARGET gtest gtest_main PROPERTY COMPILE_OPTIONS "")
