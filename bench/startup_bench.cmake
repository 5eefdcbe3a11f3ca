# Start-up of one kestrava-design run against a bare Python start, measured together.
add_test(NAME kestrava_startup_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/startup_bench.sh $<TARGET_FILE:kestrava-design>)
set_tests_properties(kestrava_startup_bench PROPERTIES LABELS bench TIMEOUT 300)
