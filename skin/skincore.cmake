# Bitmaps, colours, multi-part bitmaps and skin archives: no widgets.
add_library(zorvi_skincore STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Convert.cpp ${CMAKE_CURRENT_LIST_DIR}/Convert.h
  ${CMAKE_CURRENT_LIST_DIR}/Colors.cpp ${CMAKE_CURRENT_LIST_DIR}/Colors.h
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap.cpp ${CMAKE_CURRENT_LIST_DIR}/Bitmap.h
  ${CMAKE_CURRENT_LIST_DIR}/MultiPartBitmap.cpp ${CMAKE_CURRENT_LIST_DIR}/MultiPartText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MultiPartBitmap.h
  ${CMAKE_CURRENT_LIST_DIR}/uZip.cpp ${CMAKE_CURRENT_LIST_DIR}/uZip.h)
target_include_directories(zorvi_skincore PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_skincore PUBLIC zorvi_common Qt6::Core Qt6::Gui PRIVATE ZLIB::ZLIB)
