# GoogleTest for the tests. The system's libgtest is built for the host's GCC and libstdc++, so a
# cross toolchain, or clang with libc++, builds its own from the sources Debian ships
# (/usr/src/googletest, package googletest) with the same compiler and standard library.
option(ATOMDRIFT_GTEST_FROM_SOURCE "Build GoogleTest from its sources instead of the system's library" ${CMAKE_CROSSCOMPILING})
set(ATOMDRIFT_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources")
if(NOT ATOMDRIFT_GTEST_FROM_SOURCE)
  find_package(GTest REQUIRED)
  return()
endif()
if(NOT EXISTS ${ATOMDRIFT_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${ATOMDRIFT_GTEST_SOURCE}: install googletest (bash scripts/install-deps)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# The browser has threads only with shared memory; the tests run on one.
if(EMSCRIPTEN)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
# Its own CMake file names the targets GTest::gtest and GTest::gtest_main, as the system's has them.
add_subdirectory(${ATOMDRIFT_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
