# fast_float reads the doubles (model/ParseDouble.cpp): a header-only library, found on the build
# machine (Debian: libfast-float-dev). Its headers are taken through a folder of their own in the
# build tree, since adding the host's /usr/include would hand a cross compiler the host's C library.
find_path(ATOMDRIFT_FAST_FLOAT_INCLUDE fast_float/fast_float.h PATHS /usr/local/include /usr/include
          NO_CMAKE_FIND_ROOT_PATH DOC "Folder holding fast_float/fast_float.h")
if(NOT ATOMDRIFT_FAST_FLOAT_INCLUDE)
  message(FATAL_ERROR "fast_float/fast_float.h not found: install libfast-float-dev (bash scripts/install-deps)")
endif()
set(_atomdrift_fast_float ${CMAKE_BINARY_DIR}/fast_float-include)
file(MAKE_DIRECTORY ${_atomdrift_fast_float})
file(CREATE_LINK ${ATOMDRIFT_FAST_FLOAT_INCLUDE}/fast_float ${_atomdrift_fast_float}/fast_float SYMBOLIC)
add_library(atomdrift_fast_float INTERFACE)
target_include_directories(atomdrift_fast_float SYSTEM INTERFACE ${_atomdrift_fast_float})
