# The Help windows in the real program under Xvfb, driven from the keyboard with xdotool and
# checked in a screenshot. Skipped (77) when Xvfb, xdotool or ImageMagick is missing.
add_test(NAME e2e_windows
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e_windows.sh $<TARGET_FILE:pipfall>)
set_tests_properties(e2e_windows PROPERTIES
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    SKIP_RETURN_CODE 77
    TIMEOUT 120)
