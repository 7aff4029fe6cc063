# Runs the generator a second time into a scratch folder and checks that it
# writes exactly the files the build wrote: generation is deterministic.
execute_process(COMMAND ${CMAKE_COMMAND} -E rm -rf ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${GENERATOR} ${WORK}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarnik-assets failed: ${status}")
endif()
foreach(file Graphic/Card.bmp Graphic/Back.bmp Graphic/Toolbar.png Graphic/DragCursor.png
             Graphic/Tarnik.svg Sound/Shuffle.wav Sound/Drop1.wav Sound/Drop5.wav)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${file} ${DATA}/${file}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${file} differs between two runs of the generator")
  endif()
endforeach()
