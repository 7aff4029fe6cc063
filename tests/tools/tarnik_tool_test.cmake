# Runs tarnik-tool as a user would and checks what it prints and returns.
# Variables: TOOL, LIBRARY (the shipped library), GAMES (its sources), WORK.

function(run_tool expect_rc out_var)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL expect_rc)
    message(FATAL_ERROR "tarnik-tool ${ARGN}: exit ${rc}, expected ${expect_rc}\n${out}${err}")
  endif()
  if(expect_rc EQUAL 2)
    # A refusal is one line on standard error and nothing on standard output.
    string(REGEX MATCHALL "\n" lines "${err}")
    list(LENGTH lines n)
    if(NOT n EQUAL 1 OR NOT out STREQUAL "")
      message(FATAL_ERROR "tarnik-tool ${ARGN}: refusal should be one line, got:\n${out}${err}")
    endif()
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: '${regex}' not found in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# list: index, name, flags in hexadecimal, number of piles.
run_tool(0 out list ${LIBRARY})
expect_match("${out}" "^0\tKlondike\t0x00000004\t13\n" "list")

# deal: the Klondike deal of seed 0 follows the shuffle's first ten cards
# 21 0 5 2 14 42 25 27 10 49, one card per pile per circuit in table order.
run_tool(0 out deal ${LIBRARY} 0 0)
expect_match("${out}" "^0 21:0\n1 0:1 10:0\n2 5:1 49:1 [0-9]+:0\n3 2:1 " "deal seed 0")
expect_match("${out}" "\n7\n8\n9\n10\n11 27:1 " "deal seed 0, empty foundations, stock")
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines n)
if(NOT n EQUAL 13)
  message(FATAL_ERROR "deal should print 13 lines, printed ${n}")
endif()
run_tool(0 out deal ${LIBRARY} 2 4294967295)

# Refusals: exit 2 with one line on standard error.
run_tool(2 out)
run_tool(2 out frobnicate)
run_tool(2 out list)
run_tool(2 out list ${WORK}/missing.tkl)
run_tool(2 out deal ${LIBRARY} 0)
run_tool(2 out deal ${LIBRARY} 999 0)
run_tool(2 out deal ${LIBRARY} -1 0)
run_tool(2 out deal ${LIBRARY} 0 -1)
run_tool(2 out deal ${LIBRARY} 0 4294967296)
run_tool(2 out deal ${LIBRARY} 0 12abc)
run_tool(2 out deal ${WORK}/missing.tkl 0 0)

# A library is any file of records: a short one holds no game.
file(WRITE ${WORK}/short.tkl "not a library")
run_tool(0 out list ${WORK}/short.tkl)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "a short library lists no game, got:\n${out}")
endif()
run_tool(2 out deal ${WORK}/short.tkl 0 0)

# compile and decompile: the library survives the round trip byte for byte.
run_tool(0 out decompile ${LIBRARY} ${WORK}/games)
run_tool(0 out compile ${WORK}/games ${WORK}/again.tkl)
file(SHA256 ${LIBRARY} original)
file(SHA256 ${WORK}/again.tkl again)
if(NOT original STREQUAL again)
  message(FATAL_ERROR "decompile then compile changed the library")
endif()
run_tool(0 out compile ${GAMES} ${WORK}/fresh.tkl)
file(SHA256 ${WORK}/fresh.tkl fresh)
if(NOT original STREQUAL fresh)
  message(FATAL_ERROR "compiling the game files twice gave different libraries")
endif()

# A mistake in a game file names the file and the line.
file(MAKE_DIRECTORY ${WORK}/bad)
file(WRITE ${WORK}/bad/000-bad.game "Name = \"Bad\"\nFlags = Sideways\n")
run_tool(2 out compile ${WORK}/bad ${WORK}/bad.tkl)
run_tool(2 out compile ${WORK}/nowhere ${WORK}/bad.tkl)
if(EXISTS ${WORK}/bad.tkl)
  message(FATAL_ERROR "a failed compile must not write a library")
endif()
