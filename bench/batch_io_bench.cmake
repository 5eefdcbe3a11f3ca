# Peak memory of a batch whose file holds a 100 MB line.
add_test(NAME kestrava_batch_memory_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/batch_memory_bench.sh $<TARGET_FILE:kestrava-design> 100)
set_tests_properties(kestrava_batch_memory_bench PROPERTIES LABELS bench TIMEOUT 300)

# A million-rating batch as JSON against five-field CSVs, with and without --assess.
add_test(NAME kestrava_batch_formats_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/batch_formats_bench.sh $<TARGET_FILE:kestrava-design> 1000000)
set_tests_properties(kestrava_batch_formats_bench PROPERTIES LABELS bench TIMEOUT 900)
