# add_lynvar_test(NAME SOURCES ... LIBS ...)
# Registers one QtTest program with ctest. Every test runs headless and finds the
# shipped files (reference database, empty records database, settings) under LYNVAR_SHIPPED_DIR.
function(add_lynvar_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE lynvar_options Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        LYNVAR_SHIPPED_DIR="${LYNVAR_SHIPPED_DIR}"
        LYNVAR_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/../shared/fixtures"
        LYNVAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
    if(TARGET shipped_files)
        add_dependencies(${name} shipped_files)
    endif()
endfunction()
