# The skin loader, the skin control set and skin selection, the built-in
# skins loaded for real, and the zorvi-skin tool.
zorvi_add_test(NAME skinloader_tests
  SOURCES ${CMAKE_SOURCE_DIR}/tests/controls/WidgetTestMain.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SkinTestKit.h
          ${CMAKE_CURRENT_LIST_DIR}/test_skinloader.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_skinselect.cpp
  LIBS zorvi_skin zorvi_playlist ZLIB::ZLIB)
zorvi_add_test(NAME skintool_tests
  SOURCES ${CMAKE_SOURCE_DIR}/tests/controls/WidgetTestMain.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SkinTestKit.h
          ${CMAKE_CURRENT_LIST_DIR}/test_builtinload.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_skintool.cpp
  LIBS zorvi_skinpreview ZLIB::ZLIB)
# The tool tests run the built zorvi-skin.
add_dependencies(skintool_tests zorvi-skin)
