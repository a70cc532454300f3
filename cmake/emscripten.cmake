# WebAssembly for the browser with emscripten, tested under node. Debian: emscripten, node-acorn
# (found by node through NODE_PATH=/usr/share/nodejs, for emcc and for the tests alike).
set(CMAKE_CROSSCOMPILING_EMULATOR env NODE_PATH=/usr/share/nodejs node)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# C++ exceptions as the standard has them: emscripten's default aborts at the first throw.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_C_FLAGS_INIT "-fexceptions")
# Memory grows with the largest runs. The tests link node's file system in as well (see
# atomdrift_add_test); the browser's module in web/ has none.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
