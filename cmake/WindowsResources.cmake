# The resources of a Windows program: the application icon (Explorer, the taskbar and Qt's windows show it), the
# version information from the project's version, and the manifest: no elevation, per-monitor DPI awareness, long
# paths, the common controls of the system's dialogs and, where the program reads its command line or paths
# through the narrow C runtime, UTF-8 as its code page.
#
# tervalo_windows_resources(TARGET ICON FILE DESCRIPTION TEXT [UTF8_CODE_PAGE])
function(tervalo_windows_resources target)
    cmake_parse_arguments(ARG "UTF8_CODE_PAGE" "ICON;DESCRIPTION" "" ${ARGN})
    set(name ${target})
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(output_name)
        set(name ${output_name})
    endif()
    set(file_name ${name}.exe)
    set(description "${ARG_DESCRIPTION}")
    set(icon "${ARG_ICON}")
    set(code_page "")
    if(ARG_UTF8_CODE_PAGE)
        set(code_page "\n      <activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>")
    endif()
    set(folder ${CMAKE_BINARY_DIR}/windows-resources/${name})
    set(manifest ${folder}/${name}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest.in ${manifest} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${folder}/${name}.rc @ONLY)
    target_sources(${target} PRIVATE ${folder}/${name}.rc)
    # windres reads the icon and the manifest; a new icon rebuilds the resource.
    set_source_files_properties(${folder}/${name}.rc PROPERTIES OBJECT_DEPENDS "${icon};${manifest}")
endfunction()
