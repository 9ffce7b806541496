# 64-bit Windows: the same sources, tested beside the shipped 32-bit program.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORVIN_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
