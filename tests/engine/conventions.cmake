# Tests of the file conventions and number texts that every subsystem shares.
tervalo_test(engine_conventions_tests
    SOURCES text_record_test.cpp number_text_test.cpp file_conventions_test.cpp
    LIBS tervalo_engine)
