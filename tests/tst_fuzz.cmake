# The replay fuzzer, built with clang as a project of its own (fuzz/), runs for a minute from
# its corpus. It is itself built with the sanitizers, so the sanitizer build of the suite
# leaves it out; without clang or its fuzzer runtime it is skipped with the reason.
if(NOT PIPFALL_SANITIZE)
    add_test(NAME tst_fuzz COMMAND ${PROJECT_SOURCE_DIR}/fuzz/run.sh ${PROJECT_BINARY_DIR}/fuzz 60)
    set_tests_properties(tst_fuzz PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1800)
endif()
