# The program's resources, compiled once and linked into the program (and
# into the tests that check them).
add_library(rurerididu_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/Rurerididu.rc)
