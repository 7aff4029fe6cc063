# Replays a winning game through tarnik-tool play and checks that every card
# reached its goal. Variables: TOOL, LIBRARY, GAME (the game's name), SEED,
# DECK (the deck size); INDEX, when given, is where the library must hold
# GAME; MOVES is the file of actions, and without it tarnik-tool solve finds
# them first.

execute_process(COMMAND ${TOOL} list ${LIBRARY} OUTPUT_VARIABLE games RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarnik-tool list failed")
endif()
if(DEFINED INDEX)
  string(FIND "\n${games}" "\n${INDEX}\t${GAME}\t" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "game ${INDEX} of the library is not ${GAME}")
  endif()
  set(index ${INDEX})
else()
  string(REGEX MATCH "(^|\n)([0-9]+)\t${GAME}\t" found "${games}")
  if(NOT found)
    message(FATAL_ERROR "the library has no game named ${GAME}")
  endif()
  set(index ${CMAKE_MATCH_2})
endif()

set(whose "its moves")
if(NOT DEFINED MOVES)
  execute_process(COMMAND ${TOOL} solve ${LIBRARY} ${index} ${SEED} --budget 60
                  OUTPUT_VARIABLE line ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT line MATCHES "^won\n")
    message(FATAL_ERROR "${GAME} seed ${SEED}: tarnik-tool solve did not win (${rc}): ${line}${err}")
  endif()
  string(REGEX REPLACE "^won\n" "" actions "${line}")
  set(MOVES ${CMAKE_CURRENT_BINARY_DIR}/solve-${index}-${SEED}.moves)
  file(WRITE ${MOVES} "${actions}")
  set(whose "the solver's line")
endif()

execute_process(COMMAND ${TOOL} play ${LIBRARY} ${index} ${SEED}
                INPUT_FILE ${MOVES} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${GAME} seed ${SEED}: tarnik-tool play exit ${rc}: ${err}")
endif()
if(NOT out MATCHES "\nscore ${DECK} play [0-9]+\n$")
  message(FATAL_ERROR "${GAME} seed ${SEED} is not won by ${whose}:\n${out}")
endif()
