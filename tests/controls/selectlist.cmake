zorvi_add_test(NAME selectlist_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_selectlist.cpp
  LIBS zorvi_selectlist)
