# Tests of the project window.
tervalo_window_test(project_window_tests SOURCES ui/lifetime_panel_test.cpp ui/seasonal_panel_test.cpp ui/project_window_test.cpp ui/project_window_numbers_test.cpp ui/project_window_decision_test.cpp ui/project_window_guards_test.cpp ui/project_window_keyboard_test.cpp ui/project_window_size_test.cpp LIBS tervalo_project_ui tervalo_report_ui tervalo_shell nlohmann_json::nlohmann_json)
add_dependencies(project_window_tests tervalo_data)
target_include_directories(project_window_tests PRIVATE ${PROJECT_SOURCE_DIR})

# The start-up of the program up to the welcome window's choice, which calc_program_tests kill between writes.
if(TARGET calc_program_tests)
    add_executable(welcome_start_probe welcome_start_probe.cpp)
    target_link_libraries(welcome_start_probe PRIVATE tervalo_shell_ui tervalo_project)
    tervalo_warnings(welcome_start_probe)
    tervalo_static_qt_plugins(welcome_start_probe)
    add_dependencies(calc_program_tests welcome_start_probe)
    target_compile_definitions(calc_program_tests PRIVATE TERVALO_WELCOME_PROBE="$<TARGET_FILE:welcome_start_probe>")
endif()
