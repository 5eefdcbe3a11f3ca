# Speed of one assessment, with and without a regime, and of a million-rating batch with --assess.
add_executable(kestrava_assess_bench ${CMAKE_CURRENT_LIST_DIR}/assess_bench.cpp)
target_link_libraries(kestrava_assess_bench PRIVATE kestrava_assess kestrava_conductor_db
                      benchmark::benchmark)
target_compile_definitions(kestrava_assess_bench PRIVATE
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>"
    KESTRAVA_STANDARDS_DIR="$<TARGET_PROPERTY:kestrava_standards,KESTRAVA_STANDARDS_DIR>")
add_dependencies(kestrava_assess_bench kestrava_conductor_database kestrava_standards)
kestrava_target_defaults(kestrava_assess_bench)
add_test(NAME kestrava_assess_bench COMMAND kestrava_assess_bench)
set_tests_properties(kestrava_assess_bench PROPERTIES LABELS bench)
add_test(NAME kestrava_assess_batch_bench
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/batch_bench.sh $<TARGET_FILE:kestrava-design> 1000000
            --assess --regime eu-2014-548-tier1)
set_tests_properties(kestrava_assess_batch_bench PROPERTIES
    LABELS bench TIMEOUT 600 ENVIRONMENT KESTRAVA_BATCH_TARGET_SECONDS=30)
