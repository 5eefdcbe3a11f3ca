# Speed of the design sheet writer and of a million-rating kestrava-design batch.
add_executable(kestrava_sheet_bench ${CMAKE_CURRENT_LIST_DIR}/sheet_bench.cpp)
target_link_libraries(kestrava_sheet_bench PRIVATE kestrava_sheet benchmark::benchmark)
kestrava_target_defaults(kestrava_sheet_bench)
add_test(NAME kestrava_sheet_bench COMMAND kestrava_sheet_bench --benchmark_min_time=0.2)
set_tests_properties(kestrava_sheet_bench PROPERTIES LABELS bench)

add_test(NAME kestrava_batch_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/batch_bench.sh $<TARGET_FILE:kestrava-design> 1000000)
set_tests_properties(kestrava_batch_bench PROPERTIES LABELS bench TIMEOUT 300)
