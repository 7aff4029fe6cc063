# Solves a deal with tarnik-tool solve, then replays the winning actions
# through tarnik-tool play and checks that every card reached its goal.
# Variables: TOOL, LIBRARY, GAME (the game's name), SEED, DECK (deck size).

execute_process(COMMAND ${TOOL} list ${LIBRARY} OUTPUT_VARIABLE games RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarnik-tool list failed")
endif()
string(REGEX MATCH "(^|\n)([0-9]+)\t${GAME}\t" found "${games}")
if(NOT found)
  message(FATAL_ERROR "the library has no game named ${GAME}")
endif()
set(index ${CMAKE_MATCH_2})

execute_process(COMMAND ${TOOL} solve ${LIBRARY} ${index} ${SEED} --budget 60
                OUTPUT_VARIABLE line ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT line MATCHES "^won\n")
  message(FATAL_ERROR "${GAME} seed ${SEED}: tarnik-tool solve did not win (${rc}): ${line}${err}")
endif()
string(REGEX REPLACE "^won\n" "" actions "${line}")
set(moves ${CMAKE_CURRENT_BINARY_DIR}/solve-${index}-${SEED}.moves)
file(WRITE ${moves} "${actions}")

execute_process(COMMAND ${TOOL} play ${LIBRARY} ${index} ${SEED}
                INPUT_FILE ${moves} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${GAME} seed ${SEED}: tarnik-tool play exit ${rc}: ${err}")
endif()
if(NOT out MATCHES "\nscore ${DECK} play [0-9]+\n$")
  message(FATAL_ERROR "${GAME} seed ${SEED} is not won by the solver's line:\n${out}")
endif()
