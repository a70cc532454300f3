# Strict warnings and the optional sanitizers for every target of ours; Qt's headers come in as
# system headers through their imported targets, so their warnings stay out.
# The standard library's own checks catch an index outside a series, which the address sanitizer
# cannot see inside the run state.
if(ATOMDRIFT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
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

# One test executable per unit: built with the strict warnings and registered with ctest.
# UI tests run on the offscreen platform so that no display is needed.
function(atomdrift_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  atomdrift_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(EMSCRIPTEN)
    # Under node: one .js file with the module inlined, since node 20 takes a .wasm path beside it
    # for a URL and fails to fetch it; NODERAWFS gives the tests node's own file system for the
    # nuclide table and the files they write.
    target_link_options(${name} PRIVATE -sSINGLE_FILE=1 -sNODERAWFS=1)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
