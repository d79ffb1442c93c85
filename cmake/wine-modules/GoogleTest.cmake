# CMake's GoogleTest module for the Windows build. Listing a test program's
# cases runs it under Wine, which can take longer than the module's five
# seconds while Wine starts its helpers, so the listing gets a minute.
include(${CMAKE_ROOT}/Modules/GoogleTest.cmake)

function(gtest_discover_tests target)
  _gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN})
endfunction()
