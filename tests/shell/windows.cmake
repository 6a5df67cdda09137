# Tests of the main window, and the look of the windows in every language.
tervalo_window_test(main_window_tests SOURCES ui/main_window_test.cpp LIBS tervalo_shell_ui)
tervalo_window_test(window_look_tests SOURCES ui/window_look_test.cpp LIBS tervalo_shell_ui tervalo_project_ui)
add_dependencies(window_look_tests tervalo_data)

# The same look on a 1024x768 screen at the scale factors of common high-resolution displays: the offscreen
# platform is given a screen of that many device pixels, and every window must fit it unclipped.
foreach(scale IN ITEMS "1:1024:768" "1.5:1536:1152" "2:2048:1536")
    string(REPLACE ":" ";" scale ${scale})
    list(GET scale 0 factor)
    list(GET scale 1 width)
    list(GET scale 2 height)
    set(screen_file ${CMAKE_CURRENT_BINARY_DIR}/screen_1024x768_${factor}.json)
    file(WRITE ${screen_file} "{ \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${width}, "
                              "\"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
    add_test(NAME window_look_1024x768_scale_${factor} COMMAND window_look_tests)
    set_tests_properties(window_look_1024x768_scale_${factor} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${screen_file};QT_SCALE_FACTOR=${factor};TERVALO_FIT_SCREEN=1")
endforeach()
