# The abuse tools: the rules auditor and the random player, shared by the abuse tests, the
# long-run command pipfall-randomplay and the fuzzer (fuzz/).

add_library(pipfall_abuse STATIC
    ${CMAKE_CURRENT_LIST_DIR}/abuse/invariants.cpp ${CMAKE_CURRENT_LIST_DIR}/abuse/invariants.h
    ${CMAKE_CURRENT_LIST_DIR}/abuse/randomplayer.cpp ${CMAKE_CURRENT_LIST_DIR}/abuse/randomplayer.h
)
target_include_directories(pipfall_abuse PUBLIC ${CMAKE_CURRENT_LIST_DIR}/abuse)
target_link_libraries(pipfall_abuse PUBLIC pipfall_replay)

# pipfall-randomplay --actions 10000000 --seed S: the long run, beside the other programs.
add_executable(pipfall-randomplay ${CMAKE_CURRENT_LIST_DIR}/abuse/randomplay_main.cpp)
target_link_libraries(pipfall-randomplay PRIVATE pipfall_abuse)
set_target_properties(pipfall-randomplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

foreach(abuse_test tst_abuse_random tst_abuse_pictures tst_abuse_memory)
    if(TARGET ${abuse_test})
        target_link_libraries(${abuse_test} PRIVATE pipfall_abuse)
        add_dependencies(${abuse_test} die_pictures pipfall-replay)
        if(PIPFALL_SANITIZE)
            # Resident memory is not measured under the sanitizers; leaks are, by
            # LeakSanitizer at the end of every test program.
            target_compile_definitions(${abuse_test} PRIVATE PIPFALL_SANITIZED=1)
        endif()
        set_property(TEST ${abuse_test} APPEND PROPERTY ENVIRONMENT
            "PIPFALL_REPLAY=$<TARGET_FILE:pipfall-replay>")
        set_tests_properties(${abuse_test} PROPERTIES TIMEOUT 1800)
    endif()
endforeach()

# The replay fuzzer, built with clang as a project of its own (fuzz/), runs for a minute
# from its corpus. It is itself built with the sanitizers, so the sanitizer build of the
# suite leaves it out; without clang or its fuzzer runtime it is skipped with the reason.
if(NOT PIPFALL_SANITIZE)
    add_test(NAME tst_abuse_fuzz
        COMMAND ${PROJECT_SOURCE_DIR}/fuzz/run.sh ${PROJECT_BINARY_DIR}/fuzz 60)
    set_tests_properties(tst_abuse_fuzz PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1800)
endif()
