# Runs every extractor script: node SCRIPT OUT_DIR MODULES_DIR.
string(REPLACE "|" ";" script_list "${SCRIPTS}")
foreach(script ${script_list})
  execute_process(COMMAND node ${script} ${OUT} ${MODULES} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "extractor ${script} failed: ${rc}")
  endif()
endforeach()
