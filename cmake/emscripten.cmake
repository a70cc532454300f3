# WebAssembly for the browser with emscripten, tested under node. Debian: emscripten, node-acorn
# (found by node through NODE_PATH=/usr/share/nodejs, for emcc and for the tests alike).
set(CMAKE_CROSSCOMPILING_EMULATOR env NODE_PATH=/usr/share/nodejs node)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# C++ exceptions as the standard has them: emscripten's default aborts at the first throw.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_C_FLAGS_INIT "-fexceptions")
# One .js file with the module inlined: node 20 takes a .wasm path beside it for a URL and fails
# to fetch it. NODERAWFS gives the tests node's own file system for the nuclide table and the
# files they write; memory grows with the largest runs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sSINGLE_FILE=1 -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1")
