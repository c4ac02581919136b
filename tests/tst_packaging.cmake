# The install rules and the .deb, checked with Debian's own validators.
add_test(NAME packaging
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging_check.sh ${PROJECT_BINARY_DIR})
set_tests_properties(packaging PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
