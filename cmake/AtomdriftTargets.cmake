# Strict warnings and the optional sanitizers for every target of ours; Qt's headers come in as
# system headers through their imported targets, so their warnings stay out.
# The standard library's own checks catch an index outside a series, which the address sanitizer
# cannot see inside the run state.
# The sanitizers' builds are optimised a little and carry line tables only (-O1 -g1), as their
# documentation advises: they run fast enough, build in half the time of -O2 -g, and every report
# still names the file and line.
if(ATOMDRIFT_SANITIZE)
  add_compile_options(-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
                      -D_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fuzzing (clang only): every target is instrumented for libFuzzer and checked by the sanitizers.
if(ATOMDRIFT_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(atomdrift_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror
    -Wno-missing-field-initializers) # designated initializers leave the rest at their defaults
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang") # whose -Wconversion also means what GCC's leaves out
    target_compile_options(${target} PRIVATE -Wno-sign-conversion)
  endif()
endfunction()

# One test executable per unit: built with the strict warnings and registered with ctest, with
# the command-line arguments given as ARGS. UI tests run on the offscreen platform so that no
# display is needed.
function(atomdrift_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  atomdrift_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(EMSCRIPTEN)
    # Under node: one .js file with the module inlined, since node 20 takes a .wasm path beside it
    # for a URL and fails to fetch it; NODERAWFS gives the tests node's own file system for the
    # nuclide table and the files they write.
    # Linked at -O1: binaryen's -O3 pass over the whole module took five of a test's six seconds
    # of linking. The code they test is compiled at -O3 as the page's is, and the page's own
    # module, linked at -O3, is what the browser tests check.
    target_link_options(${name} PRIVATE -sSINGLE_FILE=1 -sNODERAWFS=1 -O1)
  endif()
  add_test(NAME ${name} COMMAND ${name} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# A compiler cache where the machine has one: a build after a small change, or a fresh folder of
# the same sources, compiles only what changed. Paths are taken relative to the sources and the
# build folder is left out of the hash, so that another clone's folder hits the same cache, its
# builds with debug information too (whose line tables may then name the folder of the clone that
# compiled them first); the precompiled headers need the sloppiness named. A launcher given on
# the command line or in the environment wins.
find_program(ATOMDRIFT_CCACHE ccache NO_CMAKE_FIND_ROOT_PATH)
mark_as_advanced(ATOMDRIFT_CCACHE)
if(ATOMDRIFT_CCACHE AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED ENV{CMAKE_CXX_COMPILER_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${ATOMDRIFT_CCACHE})
endif()

# The Qt headers every window and window test includes, parsed once per build tree: atomdrift_look
# precompiles them and every other Qt target of ours takes its precompiled header as it is.
function(atomdrift_qt_headers target)
  if(target STREQUAL "atomdrift_look")
    target_precompile_headers(atomdrift_look PRIVATE <QtWidgets> <QtCharts> <QtPrintSupport> <vector> <string>
                              <memory> <algorithm> <cmath> <optional> <functional>)
  else()
    target_precompile_headers(${target} REUSE_FROM atomdrift_look)
  endif()
endfunction()
