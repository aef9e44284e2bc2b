# The program's resources, compiled once and linked into the program (and
# into the tests that check them).
add_library(rurerididu_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/Rurerididu.rc)
# windres finds the image files through the include path; CMake does not see
# them as inputs of the .rc unless told.
target_include_directories(rurerididu_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/Rurerididu.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/res/MainIcon.ico;${CMAKE_CURRENT_LIST_DIR}/res/Logo.bmp")
