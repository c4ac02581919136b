# End to end under Xvfb at QT_SCALE_FACTOR 1 and 2: the real game, checked by screenshots.
add_test(NAME e2e_table
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e_table.sh $<TARGET_FILE:pipfall> ${PROJECT_SOURCE_DIR})
set_tests_properties(e2e_table PROPERTIES
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    ENVIRONMENT "QT_QPA_PLATFORM=xcb"
    SKIP_RETURN_CODE 77
    TIMEOUT 180)
