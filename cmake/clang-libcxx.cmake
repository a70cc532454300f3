# clang with LLVM's libc++ and libc++abi instead of GNU's libstdc++: the standard library of
# macOS, checked on Linux. Debian: clang, libc++-14-dev, libc++abi-14-dev.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-stdlib=libc++")
# The system's libgtest speaks libstdc++.
set(ATOMDRIFT_GTEST_FROM_SOURCE ON CACHE BOOL "Build GoogleTest from its sources instead of the system's library")
