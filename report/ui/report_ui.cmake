# "Report..." and "Drawing..." for a window that shows a design (Qt Widgets).
add_library(kestrava_report_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/report_actions.cpp)
set_target_properties(kestrava_report_ui PROPERTIES AUTOMOC ON)
target_link_libraries(kestrava_report_ui PUBLIC kestrava_report kestrava_ui Qt6::Widgets)
kestrava_target_defaults(kestrava_report_ui)

add_executable(kestrava_report_ui_tests ${CMAKE_CURRENT_LIST_DIR}/tests/report_actions_test.cpp)
target_link_libraries(kestrava_report_ui_tests PRIVATE kestrava_report_ui)
kestrava_add_qtest(kestrava_report_ui_tests)
