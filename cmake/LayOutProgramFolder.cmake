# cmake -DSHIPPED=dir -DPROGRAM=dir -P LayOutProgramFolder.cmake
# Copies the shipped files into the program folder. What belongs to the user is copied only when
# missing: the databases in data/, catch photos, backups and the settings file. Everything else,
# services.ini (the web services' addresses) among it, is the program's and is replaced.
file(GLOB_RECURSE shipped RELATIVE ${SHIPPED} ${SHIPPED}/*)
foreach(rel IN LISTS shipped)
    set(target ${PROGRAM}/${rel})
    get_filename_component(folder ${target} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    if(rel MATCHES "^(data|fotoulov|copy)/" OR rel STREQUAL "options.ini")
        if(NOT EXISTS ${target})
            configure_file(${SHIPPED}/${rel} ${target} COPYONLY)
        endif()
    else()
        file(COPY_FILE ${SHIPPED}/${rel} ${target} ONLY_IF_DIFFERENT)
    endif()
endforeach()
foreach(dir data fotoulov copy)
    file(MAKE_DIRECTORY ${PROGRAM}/${dir})
endforeach()
