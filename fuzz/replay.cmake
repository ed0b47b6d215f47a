# Without QUIZRA_FUZZ: each fuzz target is built with the ordinary compiler around a small main
# that replays the seed corpus, so the targets keep building and their properties are checked
# in every test run (under the sanitizers too, in the sanitizer build).
set(replay_targets profile_fuzzer numbers_fuzzer cp932_fuzzer checker_fuzzer sheet_csv_fuzzer
    sheet_xlsx_fuzzer)
set(seed_dir ${CMAKE_CURRENT_BINARY_DIR}/seeds)

add_test(NAME fuzz_seeds COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/seeds.sh ${seed_dir})
set_tests_properties(fuzz_seeds PROPERTIES FIXTURES_SETUP fuzz_seeds)

foreach(target IN LISTS replay_targets)
    add_executable(${target}_replay ${target}.cpp replay_main.cpp)
    target_link_libraries(${target}_replay PRIVATE quizra_check_lib)
    target_include_directories(${target}_replay PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    add_test(NAME ${target}_replay
        COMMAND sh -c "exec \"$0\" \"$1\"/*" $<TARGET_FILE:${target}_replay> ${seed_dir}/${target})
    set_tests_properties(${target}_replay PROPERTIES FIXTURES_REQUIRED fuzz_seeds)
endforeach()
target_link_libraries(cp932_fuzzer_replay PRIVATE Qt6::Core) # the second decoder
target_link_libraries(sheet_csv_fuzzer_replay PRIVATE quizra_check_spreadsheet)
target_link_libraries(sheet_xlsx_fuzzer_replay PRIVATE quizra_check_spreadsheet)
