# The 3-D viewer, its workspace window and the drawing windows (Qt on top of kestrava_cad).
set(KESTRAVA_CAD_UI_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(kestrava_cad_ui STATIC
    ${KESTRAVA_CAD_UI_DIR}/drawing_progress_window.cpp
    ${KESTRAVA_CAD_UI_DIR}/drawing_window.cpp
    ${KESTRAVA_CAD_UI_DIR}/model_viewer.cpp
    ${KESTRAVA_CAD_UI_DIR}/model_viewer_commands.cpp
    ${KESTRAVA_CAD_UI_DIR}/model_viewer_document.cpp
    ${KESTRAVA_CAD_UI_DIR}/model_viewer_gl.cpp
    ${KESTRAVA_CAD_UI_DIR}/model_viewer_input.cpp
    ${KESTRAVA_CAD_UI_DIR}/polygon_offsets.cpp
    ${KESTRAVA_CAD_UI_DIR}/report_cad_error.cpp
    ${KESTRAVA_CAD_UI_DIR}/single_instance_guard.cpp
    ${KESTRAVA_CAD_UI_DIR}/step_views.cpp
    ${KESTRAVA_CAD_UI_DIR}/viewer_launcher.cpp
    ${KESTRAVA_CAD_UI_DIR}/workspace_window.cpp
)
set_target_properties(kestrava_cad_ui PROPERTIES AUTOMOC ON)
kestrava_target_defaults(kestrava_cad_ui)
target_include_directories(kestrava_cad_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrava_cad_ui PUBLIC
    kestrava_cad kestrava_ui Qt6::Widgets Qt6::OpenGL Qt6::OpenGLWidgets
    TKV3d TKOpenGl TKService)


add_executable(kestrava_cad_ui_tests
    ${KESTRAVA_CAD_UI_DIR}/tests/drawing_window_test.cpp)
target_link_libraries(kestrava_cad_ui_tests PRIVATE kestrava_cad_ui)
kestrava_add_qtest(kestrava_cad_ui_tests)

# The worked design for the screenshot program and the benchmark.
add_library(kestrava_cad_ui_worked_design STATIC ${KESTRAVA_CAD_UI_DIR}/tools/worked_design.cpp)
kestrava_target_defaults(kestrava_cad_ui_worked_design)
target_link_libraries(kestrava_cad_ui_worked_design PUBLIC kestrava_engine kestrava_conductor_db)
target_compile_definitions(kestrava_cad_ui_worked_design PUBLIC
    KESTRAVA_CONDUCTOR_DATABASE="$<TARGET_PROPERTY:kestrava_conductor_database,KESTRAVA_DATABASE_FILE>")
add_dependencies(kestrava_cad_ui_worked_design kestrava_conductor_database)

# Saves the step views of the worked design as PNG files (run under a display, e.g. xvfb-run).
add_executable(kestrava_step_view_screenshots ${KESTRAVA_CAD_UI_DIR}/tools/step_view_screenshots.cpp)
kestrava_target_defaults(kestrava_step_view_screenshots)
target_link_libraries(kestrava_step_view_screenshots PRIVATE
    kestrava_cad_ui kestrava_cad_ui_worked_design Qt6::Test)

# The viewer's tests draw with OpenGL: they need a display (ctest runs inside xvfb-run).
# No kernel statics here: their slow unwinding deadlocks with the software renderer's JIT.
add_executable(kestrava_cad_viewer_tests ${KESTRAVA_CAD_UI_DIR}/tests/model_viewer_test.cpp)
set_target_properties(kestrava_cad_viewer_tests PROPERTIES
    AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(kestrava_cad_viewer_tests PRIVATE kestrava_cad_ui Qt6::Test ${CMAKE_DL_LIBS})
kestrava_target_defaults(kestrava_cad_viewer_tests)
add_test(NAME kestrava_cad_viewer_tests COMMAND kestrava_cad_viewer_tests)
set_tests_properties(kestrava_cad_viewer_tests PROPERTIES
    LABELS gui
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")

# Draw to first shaded frame; runs inside its own Xvfb so that it needs no display of its own.
find_program(KESTRAVA_XVFB_RUN xvfb-run)
add_executable(kestrava_cad_ui_bench ${KESTRAVA_CAD_UI_DIR}/bench/draw_to_first_frame_bench.cpp)
kestrava_target_defaults(kestrava_cad_ui_bench)
target_link_libraries(kestrava_cad_ui_bench PRIVATE
    kestrava_cad_ui kestrava_cad_ui_worked_design Qt6::Test benchmark::benchmark)
if(KESTRAVA_XVFB_RUN)
    add_test(NAME kestrava_cad_ui_bench
        COMMAND ${KESTRAVA_XVFB_RUN} -a -s "-screen 0 1600x1000x24" $<TARGET_FILE:kestrava_cad_ui_bench>)
else()
    add_test(NAME kestrava_cad_ui_bench COMMAND kestrava_cad_ui_bench)
endif()
set_tests_properties(kestrava_cad_ui_bench PROPERTIES LABELS bench)
