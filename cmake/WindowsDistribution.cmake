# Lays out the Windows distribution from the staged program directory and packs it as a zip file: the programs
# (tervalo.exe, tervalo-calc.exe, install.exe) and every data file the installer copies, without the files the
# programs write while they run there. Run as a script:
#   cmake -DDIST=<staged dir> -DFOLDER=<distribution folder> -DZIP=<zip file> -P WindowsDistribution.cmake
foreach(variable DIST FOLDER ZIP)
    if(NOT ${variable})
        message(FATAL_ERROR "WindowsDistribution.cmake needs -D${variable}=")
    endif()
endforeach()
foreach(program tervalo.exe tervalo-calc.exe install.exe)
    if(NOT EXISTS ${DIST}/${program})
        message(FATAL_ERROR "${DIST} holds no ${program}")
    endif()
endforeach()

file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(GLOB staged LIST_DIRECTORIES false RELATIVE ${DIST} ${DIST}/*)
set(count 0)
foreach(name ${staged})
    string(TOLOWER "${name}" lower)
    # Written at run time: the table listing, the calculation's hand-over and results, temporary files.
    if(lower MATCHES "^(r22\\.lst|rechpar\\.dat|ergen1\\.dat|puffer\\.dat)$" OR lower MATCHES "\\.tmp" OR
       lower MATCHES "^\\.")
        continue()
    endif()
    file(COPY ${DIST}/${name} DESTINATION ${FOLDER})
    math(EXPR count "${count} + 1")
endforeach()
get_filename_component(parent ${FOLDER} DIRECTORY)
get_filename_component(folder_name ${FOLDER} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder_name}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not pack ${ZIP}")
endif()
message(STATUS "Windows distribution: ${count} files in ${FOLDER}, packed as ${ZIP}")
