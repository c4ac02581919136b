# The tests that are scripts, each skipped (exit status 77) with the reason when a tool it
# needs is missing: the real game under Xvfb (the table at scale 1 and 2, the Help windows,
# the whole game played from the keyboard under the AT-SPI bus); the .deb, built by
# scripts/package.sh and checked with Debian's validators; and the fuzzers of the scripts and
# of the die pictures, built with clang as a project of their own (fuzz/), a minute's run
# each. The fuzzers are themselves built with the sanitizers, and the package is built apart from either build, so the sanitizer build of
# the suite leaves both out. The game speaks the language of its locale: the scripts run in
# the C locale, where it is the English game they expect, whatever the developer's own
# locale; e2e_windows sets the locale of its German and French games itself.
function(pipfall_script_test name timeout)
    add_test(NAME ${name} COMMAND ${ARGN})
    set_tests_properties(${name} PROPERTIES
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR} SKIP_RETURN_CODE 77 TIMEOUT ${timeout}
        ENVIRONMENT "LC_ALL=C.UTF-8;LANGUAGE=")
endfunction()
set(tests ${CMAKE_CURRENT_LIST_DIR})
pipfall_script_test(e2e_table 180 bash ${tests}/e2e_table.sh $<TARGET_FILE:pipfall> ${PROJECT_SOURCE_DIR})
pipfall_script_test(e2e_windows 120 bash ${tests}/e2e_windows.sh $<TARGET_FILE:pipfall>)
pipfall_script_test(e2e_keyboard 300 bash ${tests}/e2e_keyboard.sh $<TARGET_FILE:pipfall-scripted>)
if(NOT PIPFALL_SANITIZE)
    # The package is built apart by scripts/package.sh, the same whichever build asks.
    pipfall_script_test(packaging 1800 ${tests}/packaging_check.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    pipfall_script_test(tst_fuzz 1800 ${PROJECT_SOURCE_DIR}/fuzz/run.sh ${PROJECT_BINARY_DIR}/fuzz 60)
    # The Windows build, when scripts/windows.sh has made one, under Wine beside this build's
    # pipfall-replay.
    pipfall_script_test(windows_build 900 ${tests}/windows_check.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    # The web build, when scripts/web.sh has made one: its replay driver under node beside
    # this build's, and its page in headless Chromium.
    pipfall_script_test(web_build 900 ${tests}/web_check.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
endif()
