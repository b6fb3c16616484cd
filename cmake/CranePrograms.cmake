# Helpers shared by the program folders: one executable per program with its desktop
# entry, and one test executable per behaviour area, run headless by ctest.

set(CRANE_DESKTOP_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/program.desktop.in)

# The program's icon in the hicolor theme, drawn by the same code as its window icon.
function(add_program_icons name)
    set(icon_dir ${CMAKE_BINARY_DIR}/icons/${name})
    set(icon_stamp ${icon_dir}/256x256/apps/${name}.png)
    add_custom_command(OUTPUT ${icon_stamp}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:crane_iconmaker> ${name} ${icon_dir}
        DEPENDS crane_iconmaker
        COMMENT "Drawing the icon of ${name}")
    add_custom_target(${name}_icons ALL DEPENDS ${icon_stamp})
    install(DIRECTORY ${icon_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endfunction()

# add_crane_program(<name> CAPTION <window caption> COMMENT <what it computes>
#                   [MIME_TYPE <type of the documents it opens>]
#                   SOURCES <files...> LIBRARIES <targets...>)
function(add_crane_program name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "CAPTION;COMMENT;MIME_TYPE" "SOURCES;LIBRARIES")
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    set(PROGRAM_NAME ${name})
    set(PROGRAM_CAPTION ${ARG_CAPTION})
    set(PROGRAM_COMMENT ${ARG_COMMENT})
    set(PROGRAM_EXEC ${name})
    set(PROGRAM_MIME_LINE "")
    if(ARG_MIME_TYPE)
        set(PROGRAM_EXEC "${name} %f")
        set(PROGRAM_MIME_LINE "MimeType=${ARG_MIME_TYPE};")
    endif()
    set(desktop_file ${CMAKE_BINARY_DIR}/desktop/${name}.desktop)
    configure_file(${CRANE_DESKTOP_TEMPLATE} ${desktop_file} @ONLY)
    install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set_property(GLOBAL APPEND PROPERTY CRANE_PROGRAMS ${name})
    add_program_icons(${name})
endfunction()

# add_crane_test(<name> SOURCES <files...> LIBRARIES <targets...>)
function(add_crane_test name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
