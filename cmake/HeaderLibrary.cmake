# Header-only libraries found on the build machine (Debian packages): fast_float reads the doubles
# (model/common/ParseDouble.cpp), nlohmann-json reads and writes lessons (model/lesson). Each is
# taken through a folder of its own in the build tree holding a link to its headers alone, since
# adding the host's /usr/include would hand a cross compiler the host's C library.
function(atomdrift_header_library target folder probe package)
  find_path(_found ${probe} PATHS /usr/local/include /usr/include NO_CMAKE_FIND_ROOT_PATH NO_CACHE)
  if(NOT _found)
    message(FATAL_ERROR "${probe} not found: install ${package} (bash scripts/install-deps)")
  endif()
  set(root ${CMAKE_BINARY_DIR}/${target}-include)
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${_found}/${folder} ${root}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${root})
endfunction()

atomdrift_header_library(atomdrift_fast_float fast_float fast_float/fast_float.h libfast-float-dev)
atomdrift_header_library(atomdrift_json nlohmann nlohmann/json.hpp nlohmann-json3-dev)
