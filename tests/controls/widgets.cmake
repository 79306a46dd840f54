# Widget tests: offscreen painting into images and synthetic input.
find_package(Qt6 REQUIRED COMPONENTS Test)
zorvi_add_test(NAME controls_widget_tests
  SOURCES WidgetTestMain.cpp WidgetTestHelpers.h
          test_layout.cpp test_simple.cpp test_trackbar.cpp test_listbox.cpp test_demo.cpp
  LIBS zorvi_controls zorvi_playlist Qt6::Test)
