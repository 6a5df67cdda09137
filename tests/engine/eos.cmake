# Tests of the equation-of-state evaluator (data/tools/eos), of the saturation table files it generates, and of
# those files as the engine reads them.
tervalo_test(tervalo_saturation_eos_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/saturation_eos_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/saturation_table_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/saturation_table_engine_test.cpp
    LIBS tervalo_eos tervalo_engine)
# One test compares the tables staged in the program directory with a fresh generation.
add_dependencies(tervalo_saturation_eos_tests tervalo_saturation_tables_staged)
