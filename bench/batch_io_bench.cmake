# Peak memory of a batch whose file holds a 100 MB line.
add_test(NAME kestrava_batch_memory_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/batch_memory_bench.sh $<TARGET_FILE:kestrava-design> 100)
set_tests_properties(kestrava_batch_memory_bench PROPERTIES LABELS bench TIMEOUT 300)
