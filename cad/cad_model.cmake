# The CAD document on the modelling kernel and the transformer model build (no Qt, no display).
add_library(kestrava_cad STATIC
    ${CMAKE_CURRENT_LIST_DIR}/aci_palette.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model_workspace.cpp
)
kestrava_target_defaults(kestrava_cad)
target_include_directories(kestrava_cad PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(kestrava_cad SYSTEM PUBLIC ${OpenCASCADE_INCLUDE_DIR})
target_link_libraries(kestrava_cad PUBLIC
    TKernel TKMath TKG3d TKBRep TKTopAlgo TKPrim TKMesh TKLCAF TKCAF TKXCAF TKXSBase TKSTEP
    TKXDESTEP TKRWMesh TKService)
