# The skinned widgets (library zorvi_controls).
add_library(zorvi_controls STATIC
  ZorviControls.h
  ZorviLayout.cpp ZorviLayout.h
  WindowResize.cpp WindowResize.h
  RepeatTimer.cpp RepeatTimer.h
  ZorviControl.cpp ZorviControl.h
  ZorviButton.cpp ZorviButton.h
  ZorviLabel.cpp ZorviLabel.h
  ZorviImage.cpp ZorviImage.h
  ZorviPanel.cpp ZorviPanel.h
  ZorviSizeGrip.cpp ZorviSizeGrip.h
  ZorviTrackbar.cpp ZorviTrackbar.h
  ZorviListBox.cpp ZorviListBox.h)
target_include_directories(zorvi_controls PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorvi_controls PUBLIC zorvi_selectlist zorvi_graphics zorvi_common Qt6::Widgets)
