# End to end under Xvfb with the AT-SPI bus: the real game played from the keyboard, its
# focus and announcements heard through pyatspi.
add_test(NAME e2e_keyboard
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e_keyboard.sh $<TARGET_FILE:pipfall>)
set_tests_properties(e2e_keyboard PROPERTIES
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    SKIP_RETURN_CODE 77
    TIMEOUT 900)
