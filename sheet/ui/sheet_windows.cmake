# The design sheet window frmDsgnSheet and its Select Path dialogs (kestrava_sheet_ui).
# Included from sheet/CMakeLists.txt, before ui/ defines its Qt Test helper.
include(${PROJECT_SOURCE_DIR}/ui/qt_test.cmake)

add_library(kestrava_sheet_ui
    ${CMAKE_CURRENT_LIST_DIR}/design_sheet_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hover_tool_tip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mounted_volumes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/select_path_dialog.cpp)
set_target_properties(kestrava_sheet_ui PROPERTIES AUTOMOC ON)
target_include_directories(kestrava_sheet_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrava_sheet_ui
    PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets kestrava_sheet kestrava_records kestrava_ui)
kestrava_target_defaults(kestrava_sheet_ui)

foreach(suite design_sheet_window_test select_path_dialog_test)
    add_executable(${suite} ${CMAKE_CURRENT_LIST_DIR}/tests/${suite}.cpp)
    target_link_libraries(${suite} PRIVATE kestrava_sheet_ui)
    kestrava_add_qtest(${suite})
endforeach()

# Pictures of both windows for the documentation: run under Xvfb with an output folder.
add_executable(sheet_windows_screenshots ${CMAKE_CURRENT_LIST_DIR}/tests/sheet_windows_screenshots.cpp)
target_link_libraries(sheet_windows_screenshots PRIVATE kestrava_sheet_ui)
set_target_properties(sheet_windows_screenshots PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
kestrava_target_defaults(sheet_windows_screenshots)
