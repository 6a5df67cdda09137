# Tests of the help box.
tervalo_window_test(help_box_tests SOURCES ui/help_box_test.cpp LIBS tervalo_help_ui)
