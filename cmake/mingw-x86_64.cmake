# The same sources for 64-bit Windows, for machines whose kernel cannot run 32-bit Wine.
set(KT_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
