# End to end under Xvfb: the real game on its own display, checked by a screenshot.
add_test(NAME e2e_table
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e_table.sh $<TARGET_FILE:pipfall>)
set_tests_properties(e2e_table PROPERTIES
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    ENVIRONMENT "QT_QPA_PLATFORM=xcb"
    SKIP_RETURN_CODE 77
    TIMEOUT 180)
