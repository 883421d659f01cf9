# The map library, from Debian's package, with its licence beside it.
set(LEAFLET_DIR /usr/share/javascript/leaflet)
add_custom_target(shipped_web
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LYNVAR_SHIPPED_DIR}/web/leaflet/images
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LEAFLET_DIR}/leaflet.js ${LEAFLET_DIR}/leaflet.css
            ${LYNVAR_SHIPPED_DIR}/web/leaflet/
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${LEAFLET_DIR}/images ${LYNVAR_SHIPPED_DIR}/web/leaflet/images
    COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/libjs-leaflet/copyright
            ${LYNVAR_SHIPPED_DIR}/web/leaflet/LICENSE
    COMMENT "Copying the map library")

# The interface language files, kept as readable UTF-8 in the sources.
set(LANGUAGE_FILES ukranian.ini russianing.ini)
set(shipped_language_files)
foreach(name IN LISTS LANGUAGE_FILES)
    set(source ${PROJECT_SOURCE_DIR}/i18n/languages/${name})
    set(shipped ${LYNVAR_SHIPPED_DIR}/languages/${name})
    add_custom_command(OUTPUT ${shipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${LYNVAR_SHIPPED_DIR}/languages
        COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${shipped} -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/Cp1251.cmake
        DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/Cp1251.cmake
        COMMENT "Converting the language file ${name} to Windows-1251")
    list(APPEND shipped_language_files ${shipped})
endforeach()
add_custom_target(shipped_languages DEPENDS ${shipped_language_files})

# shipped/: what ships with the program, pristine. LynvarBook/: the program folder the program runs in,
# laid out from shipped/ without ever replacing a user's data/, fotoulov/, copy/ or options.ini.
add_custom_target(shipped_files ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LYNVAR_SHIPPED_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/dist ${LYNVAR_SHIPPED_DIR}
    COMMENT "Collecting the shipped files")
foreach(producer shipped_database shipped_pictures shipped_web shipped_languages)
    if(TARGET ${producer})
        add_dependencies(shipped_files ${producer})
    endif()
endforeach()

add_custom_target(program_folder ALL
    COMMAND ${CMAKE_COMMAND} -DSHIPPED=${LYNVAR_SHIPPED_DIR} -DPROGRAM=${LYNVAR_PROGRAM_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/LayOutProgramFolder.cmake
    COMMENT "Laying out the program folder ${LYNVAR_PROGRAM_DIR}")
add_dependencies(program_folder shipped_files lynvarbook)
