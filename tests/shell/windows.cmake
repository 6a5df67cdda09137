# Tests of the welcome window, the main window, and the look of the windows in every language.
tervalo_window_test(welcome_window_tests SOURCES ui/welcome_window_test.cpp LIBS tervalo_shell_ui)
tervalo_window_test(main_window_tests SOURCES ui/main_window_test.cpp LIBS tervalo_shell_ui)
# The layout code is the same in every language; what differs is the width of the texts. Every language runs
# in one program at 1024x768 below, where all must fit. Tests of their own, on the platform's default screen,
# are one language of each script (right to left among them), Turkish with its code page, and the Latin ones
# with the longest words.
set(look_languages "*/ARA:*/BUL:*/GRE:*/GER:*/HUN:*/NDL")
tervalo_window_test(window_look_tests SOURCES ui/window_look_test.cpp LIBS tervalo_shell_ui tervalo_project_ui
                    tervalo_report_ui DISCOVER_FILTER "${look_languages}:*/TRK")
add_dependencies(window_look_tests tervalo_data)

# The same look on small screens at the scale factors of common high-resolution displays: the offscreen
# platform is given a screen of that many device pixels, and every window must fit it unclipped. The last is a
# 1600x1000 display at scale factor 2, 800x500 in the program's pixels.
foreach(screen IN ITEMS "1024x768:1:1024:768" "1024x768:1.5:1536:1152" "1024x768:2:2048:1536"
                        "800x500:2:1600:1000")
    tervalo_offscreen_screen(${screen} screen)
    # At 1024x768 unscaled every language; scaled, one language of each script and the Latin ones with the
    # longest words.
    set(languages "*")
    if(NOT screen_factor STREQUAL "1")
        set(languages "${look_languages}")
    endif()
    add_test(NAME window_look_${screen_name} COMMAND window_look_tests --gtest_filter=${languages})
    set_tests_properties(window_look_${screen_name} PROPERTIES ENVIRONMENT "${screen_environment};TERVALO_FIT_SCREEN=1")
endforeach()
