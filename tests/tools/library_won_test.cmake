# Replays the winning moves of one library game through tarnik-tool play and
# checks that the game at that index has that name and that every card
# reached its goal. Variables: TOOL, LIBRARY, INDEX, NAME, SEED, MOVES, DECK.

execute_process(COMMAND ${TOOL} list ${LIBRARY} OUTPUT_VARIABLE games RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarnik-tool list failed")
endif()
string(FIND "\n${games}" "\n${INDEX}\t${NAME}\t" at)
if(at EQUAL -1)
  message(FATAL_ERROR "game ${INDEX} of the library is not ${NAME}")
endif()

execute_process(COMMAND ${TOOL} play ${LIBRARY} ${INDEX} ${SEED}
                INPUT_FILE ${MOVES} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NAME} seed ${SEED}: tarnik-tool play exit ${rc}: ${err}")
endif()
if(NOT out MATCHES "\nscore ${DECK} play [0-9]+\n$")
  message(FATAL_ERROR "${NAME} seed ${SEED} is not won by its moves:\n${out}")
endif()
