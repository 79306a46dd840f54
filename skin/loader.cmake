# The skin loader, the skin control set and the skin load (on the skinned
# controls).
add_library(zorvi_skin STATIC
  ${CMAKE_CURRENT_LIST_DIR}/uSkin.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinLoader.cpp ${CMAKE_CURRENT_LIST_DIR}/SkinLoader.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinControls.cpp ${CMAKE_CURRENT_LIST_DIR}/SkinControls.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinLoad.cpp)
target_include_directories(zorvi_skin PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_skin PUBLIC zorvi_controls zorvi_skinini zorvi_skincore zorvi_graphics zorvi_skinres zorvi_common
                      Qt6::Widgets)
