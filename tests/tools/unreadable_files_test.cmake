# tarnik-tool reads only regular files: a folder, a pipe or a link to a device
# named like a game file or a library is refused at once with one line.
# Variables: TOOL, GAMES (the shipped game files), WORK.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs the tool with a time limit and expects a one-line refusal naming `what`.
function(expect_refusal what)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 20)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "tarnik-tool ${ARGN}: exit '${rc}', expected 2 at once\n${out}${err}")
  endif()
  if(NOT err MATCHES "${what}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "tarnik-tool ${ARGN}: expected a refusal naming '${what}', got:\n${out}${err}")
  endif()
endfunction()

execute_process(COMMAND mkfifo ${WORK}/pipe.tkl RESULT_VARIABLE fifo_rc)
foreach(kind folder pipe device)
  set(dir ${WORK}/${kind})
  file(MAKE_DIRECTORY ${dir})
  file(COPY ${GAMES}/000-klondike.game DESTINATION ${dir})
  if(kind STREQUAL "folder")
    file(MAKE_DIRECTORY ${dir}/a.game)
  elseif(kind STREQUAL "pipe")
    execute_process(COMMAND mkfifo ${dir}/a.game)
  else()
    file(CREATE_LINK /dev/zero ${dir}/a.game SYMBOLIC)
  endif()
  expect_refusal("a\\.game': not a regular file" compile ${dir} ${WORK}/out.tkl)
endforeach()
expect_refusal("cannot read library" list ${WORK}/pipe.tkl)
expect_refusal("cannot read library" check ${WORK}/pipe.tkl)
expect_refusal("cannot read library" list /dev/zero)
