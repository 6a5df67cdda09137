# The distribution's hardening flags (stack protector, fortified functions, read-only relocations bound at
# start), as dpkg-buildflags gives them with every hardening feature on, for everything the package is built
# from. Flags that set optimisation, debugging or file paths stay the build type's, so that results stay the
# same and cached objects are shared between checkouts.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS OR CMAKE_CROSSCOMPILING OR TERVALO_SANITIZE OR TERVALO_FUZZ)
    return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g|^-O|prefix-map")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
