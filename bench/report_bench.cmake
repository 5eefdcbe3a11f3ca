# The design report with its drawing (target: under 300 ms).
add_executable(kestrava_report_bench ${CMAKE_CURRENT_LIST_DIR}/report_bench.cpp)
kestrava_target_defaults(kestrava_report_bench)
target_link_libraries(kestrava_report_bench PRIVATE kestrava_report kestrava_conductor_db
                                                    benchmark::benchmark)
target_compile_definitions(kestrava_report_bench PRIVATE
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>"
    KESTRAVA_STANDARDS_DIR="$<TARGET_PROPERTY:kestrava_standards,KESTRAVA_STANDARDS_DIR>")
add_dependencies(kestrava_report_bench kestrava_conductor_database kestrava_standards)
add_test(NAME kestrava_report_bench COMMAND kestrava_report_bench --benchmark_min_time=0.5)
set_tests_properties(kestrava_report_bench PROPERTIES LABELS bench
    ENVIRONMENT QT_QPA_PLATFORM=offscreen)
