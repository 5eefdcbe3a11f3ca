# The model build and its STEP and glTF saves (target: under 150 ms together).
add_executable(kestrava_cad_bench ${CMAKE_CURRENT_LIST_DIR}/cad_bench.cpp)
kestrava_target_defaults(kestrava_cad_bench)
target_link_libraries(kestrava_cad_bench PRIVATE kestrava_cad kestrava_engine benchmark::benchmark)
add_test(NAME kestrava_cad_bench COMMAND kestrava_cad_bench --benchmark_min_time=0.2)
set_tests_properties(kestrava_cad_bench PROPERTIES LABELS bench)
