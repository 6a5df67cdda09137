# Tests of the welcome window.
tervalo_window_test(welcome_window_tests SOURCES ui/welcome_window_test.cpp LIBS tervalo_localisation_ui)
