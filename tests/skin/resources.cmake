zorvi_add_test(NAME test_builtin_skins
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_zipwriter.cpp ${CMAKE_CURRENT_SOURCE_DIR}/test_builtin_skins.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ZipTestReader.h
  LIBS zorvi_skinres zorvi_zipwriter ZLIB::ZLIB)
zorvi_add_test(NAME test_skinart
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_skinart.cpp
  LIBS zorvi_skinart)
target_compile_definitions(test_skinart PRIVATE ZORVI_SKIN_SOURCES="${CMAKE_SOURCE_DIR}/assets/skins")
