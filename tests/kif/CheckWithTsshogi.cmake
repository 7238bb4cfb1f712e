# Writes sample KIF and KIFU files with the game's writer and has tsshogi, an
# independent KIF reader run by Node.js, replay each to its last position.
# Skipped (the test prints "SKIPPED") when node or tsshogi is not installed;
# tools/install-kif-checker.sh installs tsshogi.
if(NOT NODE OR NOT EXISTS ${TSSHOGI_DIR}/node_modules/tsshogi)
  message("SKIPPED: needs node and tsshogi in ${TSSHOGI_DIR}")
  return()
endif()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${SAMPLES} ${WORKDIR} WORKING_DIRECTORY ${WORKDIR}
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "writing the samples failed: ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env TSSHOGI_DIR=${TSSHOGI_DIR}
  ${NODE} ${CMAKE_CURRENT_LIST_DIR}/final_sfen.mjs --expect ${WORKDIR}/expected.tsv
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tsshogi reads other positions\n${errors}")
endif()
