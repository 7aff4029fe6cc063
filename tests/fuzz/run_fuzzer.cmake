# Runs one fuzz target for SECONDS on its corpus and seeds; fails on any
# crash, sanitizer report or broken check, and records the executions.
# Variables: FUZZER, CORPUS, SEEDS, ARTIFACTS, SECONDS, REPORT.

file(MAKE_DIRECTORY ${CORPUS} ${ARTIFACTS})
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1 -timeout=20
          -rss_limit_mb=2560 -artifact_prefix=${ARTIFACTS}/ ${CORPUS} ${SEEDS}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE log)
string(REGEX MATCH "stat::number_of_executed_units: *([0-9]+)" found "${log}")
set(executions "${CMAKE_MATCH_1}")
file(WRITE ${REPORT} "${executions}\n")
message(STATUS "${FUZZER}: ${executions} executions in ${SECONDS} s")
if(NOT rc EQUAL 0)
  string(LENGTH "${log}" length)
  if(length GREATER 6000)
    math(EXPR start "${length} - 6000")
    string(SUBSTRING "${log}" ${start} 6000 log)
  endif()
  message(FATAL_ERROR "fuzzing failed (${rc}):\n${log}")
endif()
