# Configures and builds the fuzz targets with clang, then writes their seed
# corpora from the shipped library.
# Variables: CLANGXX, SOURCE (the fuzz project), BINARY (its build folder), LIBRARY.

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
endfunction()

cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
run("configuring the fuzz build" ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY}
    -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo)
run("building the fuzz targets" ${CMAKE_COMMAND} --build ${BINARY} --parallel ${cores})
file(REMOVE_RECURSE ${BINARY}/seeds)
run("writing the seed corpora" ${CMAKE_COMMAND} -E env TARNIK_FUZZ_LIBRARY=${LIBRARY}
    ${BINARY}/bin/make_fuzz_seeds ${BINARY}/seeds)
