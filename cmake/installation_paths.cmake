# The layout of the installation folder KESTRAVA_BIN_DIR, the same as engine/installation_paths.h
# gives the programs. Every target that puts a file there takes its path from here.
set(KESTRAVA_DATABASE_DIR ${KESTRAVA_BIN_DIR}/Database)
set(KESTRAVA_CONDUCTOR_DATABASE ${KESTRAVA_DATABASE_DIR}/Appr_CSA.sqlite)
set(KESTRAVA_PARAM_RECORD_DATABASE ${KESTRAVA_DATABASE_DIR}/TransValAsgn.sqlite)
set(KESTRAVA_PICS_DIR ${KESTRAVA_BIN_DIR}/Pics)
set(KESTRAVA_DESIGN_SHEET_DIR "${KESTRAVA_BIN_DIR}/Design Sheet")
set(KESTRAVA_MODEL_DIR "${KESTRAVA_BIN_DIR}/AutoCAD Files")
set(KESTRAVA_STANDARDS_DIR ${KESTRAVA_BIN_DIR}/Standards)
set(KESTRAVA_CORE_STEELS_FILE ${KESTRAVA_STANDARDS_DIR}/core_steels.json)
