zorvi_add_test(NAME test_skincore
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_colors.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_bitmap.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_guides.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_drawparts.cpp
  LIBS zorvi_graphics)
zorvi_add_test(NAME test_zip
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_zip.cpp
  LIBS zorvi_skincore ZLIB::ZLIB)
