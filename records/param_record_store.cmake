# The parameter record store (kestrava_records) and the empty database the program ships with.
add_library(kestrava_records
    ${CMAKE_CURRENT_LIST_DIR}/param_record_store.cpp)
target_include_directories(kestrava_records PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrava_records PUBLIC kestrava_engine SQLite::SQLite3)
kestrava_target_defaults(kestrava_records)

add_executable(create_param_record_database
    ${CMAKE_CURRENT_LIST_DIR}/create_param_record_database.cpp)
target_link_libraries(create_param_record_database PRIVATE kestrava_records)
kestrava_target_defaults(create_param_record_database)
# A build tool, not part of the installation folder.
set_target_properties(create_param_record_database PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/build-tools)

set(KESTRAVA_PARAM_RECORD_DATABASE ${KESTRAVA_BIN_DIR}/Database/TransValAsgn.sqlite
    CACHE INTERNAL "The record store's database in the installation folder")
# Runs at every build but only creates the file when it is missing: users' records stay.
add_custom_target(kestrava_param_record_database ALL
    COMMAND create_param_record_database ${KESTRAVA_PARAM_RECORD_DATABASE}
    COMMENT "Checking ${KESTRAVA_PARAM_RECORD_DATABASE}"
    VERBATIM)

add_executable(param_record_store_test
    ${CMAKE_CURRENT_LIST_DIR}/tests/param_record_store_test.cpp)
target_link_libraries(param_record_store_test PRIVATE kestrava_records)
kestrava_add_gtest(param_record_store_test unit)
