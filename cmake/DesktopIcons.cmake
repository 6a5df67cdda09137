# The icon in the theme's sizes, and as a Windows icon for the program file.
find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
add_executable(tervalo_render_icon ${PROJECT_SOURCE_DIR}/data/tools/desktop_icon/render_icon.cpp)
set_target_properties(tervalo_render_icon PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
target_link_libraries(tervalo_render_icon PRIVATE Qt6::Gui Qt6::Svg)
tervalo_warnings(tervalo_render_icon)

set(icon_outputs)
set(icon_arguments)
foreach(size 48 128 256)
    set(png ${desktop_dir}/icons/hicolor/${size}x${size}/apps/${TERVALO_APP_ID}.png)
    file(MAKE_DIRECTORY ${desktop_dir}/icons/hicolor/${size}x${size}/apps)
    list(APPEND icon_outputs ${png})
    list(APPEND icon_arguments ${size} ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
list(APPEND icon_outputs ${desktop_dir}/Tervalo.ico)
list(APPEND icon_arguments 256 ${desktop_dir}/Tervalo.ico)
add_custom_command(OUTPUT ${icon_outputs}
                   COMMAND tervalo_render_icon ${icon_source} ${icon_arguments}
                   DEPENDS tervalo_render_icon ${icon_source}
                   COMMENT "Rendering the application icon" VERBATIM)
add_custom_target(tervalo_icons ALL DEPENDS ${icon_outputs})
