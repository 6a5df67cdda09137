# Tests of the file conventions and number texts that every subsystem shares.
tervalo_test(engine_conventions_tests
    SOURCES text_record_test.cpp number_text_test.cpp file_conventions_test.cpp file_replace_test.cpp
            platform_test.cpp
    LIBS tervalo_engine)

if(NOT WIN32)
    # The replace helper killed, raced and locked out by other processes, and a program of its own for that.
    tervalo_test(engine_replace_posix_tests SOURCES file_replace_posix_test.cpp LIBS tervalo_engine)
    add_executable(replace_file_probe replace_file_probe.cpp)
    target_link_libraries(replace_file_probe PRIVATE tervalo_engine)
    add_dependencies(engine_replace_posix_tests replace_file_probe)
    target_compile_definitions(engine_replace_posix_tests PRIVATE
        TERVALO_REPLACE_PROBE="$<TARGET_FILE:replace_file_probe>")
endif()
