# Tests of the main window, and the look of the windows in every language.
tervalo_window_test(main_window_tests SOURCES ui/main_window_test.cpp LIBS tervalo_shell_ui)
tervalo_window_test(window_look_tests SOURCES ui/window_look_test.cpp LIBS tervalo_shell_ui tervalo_project_ui)
add_dependencies(window_look_tests tervalo_data)
