zorvi_add_test(NAME skinini_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_skinini.cpp ${CMAKE_CURRENT_LIST_DIR}/test_skinlist.cpp
  LIBS zorvi_skinini)
