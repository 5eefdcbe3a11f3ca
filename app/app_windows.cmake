# The windows need the engine and the record store; the program needs the other subsystems' windows.
if(NOT (TARGET kestrava_engine AND TARGET kestrava_records))
    return()
endif()

add_library(kestrava_app_windows
    ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app_identity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/option_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup_procedure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_info_launcher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transformer_calc_window.cpp)
set_target_properties(kestrava_app_windows PROPERTIES AUTOMOC ON)
target_include_directories(kestrava_app_windows
    PUBLIC ${PROJECT_SOURCE_DIR}
    PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(kestrava_app_windows
    PUBLIC kestrava_ui kestrava_engine kestrava_records Qt6::Widgets
    PRIVATE kestrava_artwork)
kestrava_target_defaults(kestrava_app_windows)

set(KESTRAVA_APP_TEST_DIR ${CMAKE_CURRENT_LIST_DIR}/tests)
add_executable(kestrava_app_windows_tests
    ${KESTRAVA_APP_TEST_DIR}/about_window_test.cpp
    ${KESTRAVA_APP_TEST_DIR}/option_window_test.cpp
    ${KESTRAVA_APP_TEST_DIR}/startup_test.cpp
    ${KESTRAVA_APP_TEST_DIR}/transformer_calc_window_test.cpp
    ${KESTRAVA_APP_TEST_DIR}/app_windows_tests_main.cpp)
target_include_directories(kestrava_app_windows_tests PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(kestrava_app_windows_tests
    PRIVATE kestrava_app_windows kestrava_artwork SQLite::SQLite3)
kestrava_add_qtest(kestrava_app_windows_tests)

if(NOT (TARGET kestrava_conductor_db AND TARGET kestrava_sheet_ui AND TARGET kestrava_cad_ui))
    return()
endif()

add_library(kestrava_app ${CMAKE_CURRENT_LIST_DIR}/kestrava_application.cpp)
set_target_properties(kestrava_app PROPERTIES AUTOMOC ON)
target_link_libraries(kestrava_app
    PUBLIC kestrava_app_windows kestrava_conductor_db kestrava_sheet_ui kestrava_cad_ui
           kestrava_assess_ui kestrava_report_ui kestrava_search_ui)
kestrava_target_defaults(kestrava_app)

add_executable(kestrava ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kestrava PRIVATE kestrava_app)
kestrava_target_defaults(kestrava)
# The installation folder's data comes with the program (the data targets are defined later).
add_dependencies(kestrava kestrava_pics kestrava_param_record_database
    kestrava_conductor_database kestrava_output_folders kestrava_standards)

add_executable(kestrava_app_tests ${KESTRAVA_APP_TEST_DIR}/kestrava_application_test.cpp)
target_link_libraries(kestrava_app_tests PRIVATE kestrava_app)
target_compile_definitions(kestrava_app_tests PRIVATE
    KESTRAVA_TEST_CONDUCTOR_DATABASE="${KESTRAVA_BIN_DIR}/Database/Appr_CSA.sqlite")
add_dependencies(kestrava_app_tests kestrava_conductor_database)
kestrava_add_qtest(kestrava_app_tests)
