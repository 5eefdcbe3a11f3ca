# Replacing a file whole and durably: the sheet and the model files are saved through it.
add_library(kestrava_file_replacement STATIC ${CMAKE_CURRENT_LIST_DIR}/file_replacement.cpp)
target_include_directories(kestrava_file_replacement PUBLIC ${PROJECT_SOURCE_DIR})
kestrava_target_defaults(kestrava_file_replacement)

# The design sheet writer: record to Windows-1252 text, no Qt.
add_library(kestrava_sheet STATIC
    ${CMAKE_CURRENT_LIST_DIR}/design_sheet_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utf8_decode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows_1252.cpp)
target_include_directories(kestrava_sheet PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrava_sheet PUBLIC kestrava_engine PRIVATE kestrava_file_replacement)
kestrava_target_defaults(kestrava_sheet)

add_executable(kestrava_sheet_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/number_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/windows_1252_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/design_sheet_writer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/file_replacement_test.cpp)
target_link_libraries(kestrava_sheet_tests PRIVATE kestrava_sheet kestrava_file_replacement)
target_compile_definitions(kestrava_sheet_tests PRIVATE
    KESTRAVA_SHEET_GOLDEN_DIR="${CMAKE_CURRENT_LIST_DIR}/tests/data")
kestrava_add_gtest(kestrava_sheet_tests unit)
