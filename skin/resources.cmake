# The two built-in skins. zorvi-skinart draws the pictures of each and copies
# its skin.ini beside them, zorvi-skinzip packs the folder, and the archives
# are embedded as :/skins/1.zip ("Default") and :/skins/2.zip ("ZE6 ZO").
set(skinres_dir ${CMAKE_CURRENT_BINARY_DIR}/builtin)
set(skinres_run)
if(ZORVI_FUZZ)
  # The tools are instrumented too; Qt's one-time allocations are no leak of ours.
  set(skinres_run ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)
endif()

set(skinres_zips)
set(skinres_id 0)
foreach(skin_name "Default" "ZE6 ZO")
  math(EXPR skinres_id "${skinres_id} + 1")
  set(skin_ini "${CMAKE_SOURCE_DIR}/assets/skins/${skin_name}/skin.ini")
  set(skin_out "${skinres_dir}/${skin_name}")
  set(skin_zip "${skinres_dir}/${skinres_id}.zip")
  add_custom_command(
    OUTPUT ${skin_zip}
    COMMAND ${skinres_run} $<TARGET_FILE:zorvi-skinart> bitmaps ${skin_name} ${skin_ini} ${skin_out}
    COMMAND ${skinres_run} $<TARGET_FILE:zorvi-skinzip> ${skin_zip} ${skin_out}
    DEPENDS zorvi-skinart zorvi-skinzip ${skin_ini}
    COMMENT "Drawing and packing the built-in skin \"${skin_name}\""
    VERBATIM)
  list(APPEND skinres_zips ${skin_zip})
endforeach()

set(skinres_qrc ${skinres_dir}/builtin_skins.qrc)
file(CONFIGURE OUTPUT ${skinres_qrc} CONTENT [[<RCC>
  <qresource prefix="/skins">
    <file>1.zip</file>
    <file>2.zip</file>
  </qresource>
</RCC>
]])
set(skinres_cpp ${skinres_dir}/qrc_builtin_skins.cpp)
# The archives are already deflated; storing them as they are keeps their bytes.
add_custom_command(
  OUTPUT ${skinres_cpp}
  COMMAND Qt6::rcc --name builtin_skins --no-compress -o ${skinres_cpp} ${skinres_qrc}
  DEPENDS ${skinres_qrc} ${skinres_zips}
  VERBATIM)

add_library(zorvi_skinres STATIC BuiltInSkins.cpp BuiltInSkins.h ${skinres_cpp})
target_include_directories(zorvi_skinres PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_skinres PUBLIC Qt6::Core)
