# Window tests: GoogleTest with a QApplication on the offscreen platform.
function(tervalo_window_test target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    # Qt's imported targets belong to the directory that finds them.
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(${target} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/localisation/ui/window_test_main.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} tervalo_test_support Qt6::Widgets Qt6::Test GTest::gtest)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${target} PRIVATE TERVALO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
                                                 TERVALO_DIST_DIR="${TERVALO_DIST_DIR}")
    tervalo_warnings(${target})
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

tervalo_window_test(welcome_window_tests
    SOURCES ui/welcome_window_test.cpp ui/command_picture_test.cpp
    LIBS tervalo_localisation_ui)
