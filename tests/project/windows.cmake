# Tests of the project window.
tervalo_window_test(project_window_tests SOURCES ui/lifetime_panel_test.cpp ui/seasonal_panel_test.cpp ui/project_window_test.cpp ui/project_window_decision_test.cpp ui/project_window_guards_test.cpp ui/project_window_keyboard_test.cpp ui/project_window_size_test.cpp LIBS tervalo_project_ui tervalo_report_ui tervalo_shell)
add_dependencies(project_window_tests tervalo_data)
target_include_directories(project_window_tests PRIVATE ${PROJECT_SOURCE_DIR})
