zorvi_add_test(NAME test_builtin_skins
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_zipwriter.cpp ${CMAKE_CURRENT_SOURCE_DIR}/test_builtin_skins.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ZipTestReader.h
  LIBS zorvi_skinres zorvi_zipwriter ZLIB::ZLIB)
