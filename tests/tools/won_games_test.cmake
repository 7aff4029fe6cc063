# Replays a winning game through tarnik-tool play and checks that every card
# reached its goal. Variables: TOOL, LIBRARY, GAME (the game's name), SEED,
# MOVES (the file of actions), DECK (the deck size).

execute_process(COMMAND ${TOOL} list ${LIBRARY} OUTPUT_VARIABLE games RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarnik-tool list failed")
endif()
string(REGEX MATCH "(^|\n)([0-9]+)\t${GAME}\t" found "${games}")
if(NOT found)
  message(FATAL_ERROR "the library has no game named ${GAME}")
endif()
set(index ${CMAKE_MATCH_2})

execute_process(COMMAND ${TOOL} play ${LIBRARY} ${index} ${SEED}
                INPUT_FILE ${MOVES} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${GAME} seed ${SEED}: tarnik-tool play exit ${rc}: ${err}")
endif()
if(NOT out MATCHES "\nscore ${DECK} play [0-9]+\n$")
  message(FATAL_ERROR "${GAME} seed ${SEED} is not won by its moves:\n${out}")
endif()
