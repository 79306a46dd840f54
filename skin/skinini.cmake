# The skin.ini reader and the list of available skins (no widgets).
add_library(zorvi_skinini STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SkinIni.cpp ${CMAKE_CURRENT_LIST_DIR}/SkinIni.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinList.cpp ${CMAKE_CURRENT_LIST_DIR}/SkinList.h)
target_include_directories(zorvi_skinini PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_skinini PUBLIC zorvi_common Qt6::Core)
