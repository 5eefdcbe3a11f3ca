# The strip table read from its SQLite database.
add_library(kestrava_conductor_db STATIC ${CMAKE_CURRENT_LIST_DIR}/conductor_table_database.cpp)
target_include_directories(kestrava_conductor_db PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrava_conductor_db PUBLIC kestrava_engine SQLite::SQLite3)
kestrava_target_defaults(kestrava_conductor_db)

add_executable(kestrava_conductor_db_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/conductor_table_database_test.cpp)
target_link_libraries(kestrava_conductor_db_tests PRIVATE kestrava_conductor_db)
target_compile_definitions(kestrava_conductor_db_tests PRIVATE
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>")
add_dependencies(kestrava_conductor_db_tests kestrava_conductor_database)
kestrava_add_gtest(kestrava_conductor_db_tests unit)
