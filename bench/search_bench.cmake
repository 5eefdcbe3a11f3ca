# Candidates of the design search designed and judged per second, and the whole --search command.
add_executable(kestrava_search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(kestrava_search_bench PRIVATE kestrava_search kestrava_conductor_db
                      benchmark::benchmark)
target_compile_definitions(kestrava_search_bench PRIVATE
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>"
    KESTRAVA_INSTALL_DIR="${KESTRAVA_BIN_DIR}"
    KESTRAVA_DESIGN_EXE="$<TARGET_FILE:kestrava-design>")
add_dependencies(kestrava_search_bench kestrava_conductor_database kestrava_standards
                 kestrava-design)
kestrava_target_defaults(kestrava_search_bench)
add_test(NAME kestrava_search_bench COMMAND kestrava_search_bench)
set_tests_properties(kestrava_search_bench PROPERTIES LABELS bench)
