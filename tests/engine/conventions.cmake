# Tests of the file conventions and number texts that every subsystem shares.
tervalo_test(engine_conventions_tests
    SOURCES text_record_test.cpp number_text_test.cpp file_conventions_test.cpp file_replace_test.cpp
    LIBS tervalo_engine)

# The replace helper as a program of its own, killed midway by the tests.
add_executable(replace_file_probe replace_file_probe.cpp)
target_link_libraries(replace_file_probe PRIVATE tervalo_engine)
add_dependencies(engine_conventions_tests replace_file_probe)
target_compile_definitions(engine_conventions_tests PRIVATE
    TERVALO_REPLACE_PROBE="$<TARGET_FILE:replace_file_probe>")
