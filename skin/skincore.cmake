# Skin archives (no widgets).
add_library(zorvi_skincore STATIC
  ${CMAKE_CURRENT_LIST_DIR}/uZip.cpp ${CMAKE_CURRENT_LIST_DIR}/uZip.h)
target_include_directories(zorvi_skincore PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_skincore PUBLIC zorvi_common Qt6::Core Qt6::Gui PRIVATE ZLIB::ZLIB)
