# The CAD document on the modelling kernel and the transformer model build (no Qt, no display).

add_library(kestrava_cad STATIC
    ${CMAKE_CURRENT_LIST_DIR}/aci_palette.cpp
    ${CMAKE_CURRENT_LIST_DIR}/general_arrangement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hidden_line_views.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_part.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_workspace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transformer_model_builder.cpp
)
kestrava_target_defaults(kestrava_cad)
target_include_directories(kestrava_cad PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(kestrava_cad SYSTEM PUBLIC ${OpenCASCADE_INCLUDE_DIR})
target_link_libraries(kestrava_cad PUBLIC
    TKernel TKMath TKG3d TKBRep TKTopAlgo TKPrim TKMesh TKLCAF TKCAF TKXCAF TKXSBase TKSTEP
    TKXDESTEP TKRWMesh TKService TKHLR)
target_link_libraries(kestrava_cad PRIVATE kestrava_file_replacement)

add_executable(kestrava_cad_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/aci_palette_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/general_arrangement_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/model_workspace_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/model_export_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/transformer_model_builder_test.cpp
)
target_link_libraries(kestrava_cad_tests PRIVATE kestrava_cad nlohmann_json::nlohmann_json)
kestrava_add_gtest(kestrava_cad_tests unit)
