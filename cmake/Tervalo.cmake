# Shared build settings of Tervalo's targets.

# The staged program directory: every executable and every data file that the programs open by bare name.
set(TERVALO_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${TERVALO_DIST_DIR})

# The language codes in the order of the welcome window, from the one table of the languages; editing the table
# configures the build anew.
set(TERVALO_LANGUAGE_TABLE ${PROJECT_SOURCE_DIR}/data/lang/languages.tsv)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TERVALO_LANGUAGE_TABLE})
file(STRINGS ${TERVALO_LANGUAGE_TABLE} language_rows REGEX "^[A-Z][A-Z][A-Z]\t" ENCODING UTF-8)
set(TERVALO_LANGUAGE_CODES)
foreach(row ${language_rows})
    string(SUBSTRING "${row}" 0 3 code)
    list(APPEND TERVALO_LANGUAGE_CODES ${code})
endforeach()

if(TERVALO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# With the fuzzers every library is instrumented for coverage, so that they see the code they test; the
# sanitizer runtime supplies the coverage hooks to the programs that are no fuzzers.
if(TERVALO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(tervalo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
endfunction()

# A GUI-free library of one subsystem.
function(tervalo_library target)
    add_library(${target} STATIC ${ARGN})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    tervalo_warnings(${target})
endfunction()

# An executable placed into the staged program directory.
function(tervalo_stage_executable target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TERVALO_DIST_DIR})
endfunction()

# A program with windows: against a static Qt (the one for MinGW) the platform plug-ins are linked in, the
# system's own and the offscreen one that the window tests and a run without a display use.
function(tervalo_static_qt_plugins target)
    if(NOT WIN32 OR NOT TARGET Qt6::Core)
        return()
    endif()
    get_target_property(qt_type Qt6::Core TYPE)
    if(qt_type STREQUAL "STATIC_LIBRARY")
        qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
                                            Qt6::QWindowsVistaStylePlugin)
    endif()
endfunction()

# A screen for Qt's offscreen platform from SPEC, "LOGICAL:FACTOR:WIDTH:HEIGHT" (the screen in the program's
# pixels, the scale factor, and the device pixels at 96 dpi), described in PREFIX_LOGICAL_FACTOR.json in the
# current build folder. Gives the caller screen_name (LOGICAL_scale_FACTOR), screen_factor and
# screen_environment, the variables that put a test on that screen.
function(tervalo_offscreen_screen spec prefix)
    string(REPLACE ":" ";" parts ${spec})
    list(GET parts 0 logical)
    list(GET parts 1 factor)
    list(GET parts 2 width)
    list(GET parts 3 height)
    set(file ${CMAKE_CURRENT_BINARY_DIR}/${prefix}_${logical}_${factor}.json)
    file(WRITE ${file} "{ \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${width}, "
                       "\"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
    set(screen_name ${logical}_scale_${factor} PARENT_SCOPE)
    set(screen_factor ${factor} PARENT_SCOPE)
    # The platform's options are separated by colons, so the file is named without a drive letter: under wine
    # the tests run in the build folder, on the drive that shows the build machine's root.
    set(screen_environment "QT_QPA_PLATFORM=offscreen:configfile=${file};QT_SCALE_FACTOR=${factor}" PARENT_SCOPE)
endfunction()

# A GoogleTest executable of GUI-free code.
function(tervalo_test target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} tervalo_test_support GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
        TERVALO_TEST_DATA_DIR="${TERVALO_HOST_PATH_PREFIX}${PROJECT_SOURCE_DIR}/tests/data"
        TERVALO_DIST_DIR="${TERVALO_HOST_PATH_PREFIX}${TERVALO_DIST_DIR}"
        TERVALO_LANGUAGE_TABLE="${TERVALO_HOST_PATH_PREFIX}${TERVALO_LANGUAGE_TABLE}")
    tervalo_warnings(${target})
    tervalo_static_qt_plugins(${target})
    if(CMAKE_CROSSCOMPILING)
        # One run per program: a start of the emulator costs more than a whole program's tests.
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                                   TIMEOUT ${TERVALO_WINE_TEST_TIMEOUT})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30
                             PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
