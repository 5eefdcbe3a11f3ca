# Speed of one design run, with the strip table in memory and with the database opened each run.
add_executable(kestrava_engine_bench ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp)
target_link_libraries(kestrava_engine_bench PRIVATE kestrava_conductor_db benchmark::benchmark)
target_compile_definitions(kestrava_engine_bench PRIVATE
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>")
add_dependencies(kestrava_engine_bench kestrava_conductor_database)
kestrava_target_defaults(kestrava_engine_bench)
add_test(NAME kestrava_engine_bench COMMAND kestrava_engine_bench)
set_tests_properties(kestrava_engine_bench PROPERTIES LABELS bench)
