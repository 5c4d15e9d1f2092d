set(CMAKE_C_COMPILER ${ZORVI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVI_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${ZORVI_MINGW_PREFIX}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${ZORVI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages too: the host's own (its compiled GoogleTest, say) cannot be linked into a Windows program.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Windows programs run here through Wine (see tests/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine-run.sh)
