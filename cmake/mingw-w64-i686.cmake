set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLE i686-w64-mingw32)
# 32-bit Windows programs cannot run here (no 32-bit Wine): this preset builds only.
set(LUMETRA_CAN_RUN_TESTS OFF CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
