# ondara_add_test(<name> LABEL <label> SOURCES <files...> [LIBRARIES <targets...>])
# Adds a Qt Test executable that runs headless under CTest with the given label, so `ctest -L <label>` runs a subset.
# Tests of the widget-free cores link ondara_test_core only; tests of windows add ondara_test_support.
function(ondara_add_test name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_LABEL)
        message(FATAL_ERROR "ondara_add_test(${name}) needs a LABEL")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ondara_test_core ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABEL}"
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=30000;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
