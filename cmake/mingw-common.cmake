# Shared by the two mingw-w64 toolchain files; TARN_MINGW_PREFIX names the target.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model
# lacks. The launcher itself makes its threads through the Windows API, and
# static linking keeps the model's runtime inside the executable.
set(CMAKE_C_COMPILER ${TARN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARN_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run the built programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run.sh)
set(CMAKE_OBJDUMP ${TARN_MINGW_PREFIX}-objdump)
set(CMAKE_OBJCOPY ${TARN_MINGW_PREFIX}-objcopy)
