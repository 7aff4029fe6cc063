# The layers hold: a file of a layer compiles with the include path of its
# layer only when it includes its own layer or those below. Each case
# compiles one include with a layer's include path: the downward ones must
# compile, the upward ones (and a Qt header in the engine) must not.
# Arguments: -DCXX=compiler -DLAYERS=build/layers -DSOURCE=src -DWORK=dir
file(MAKE_DIRECTORY ${WORK})
set(cases
  "tarnik_engine_rules|engine/cards/cards.h|builds"
  "tarnik_engine_rules|engine/play/moves.h|fails"
  "tarnik_engine_rules|engine/records/player_log.h|fails"
  "tarnik_engine_rules|engine/game/game.h|fails"
  "tarnik_engine_deal|engine/play/history.h|fails"
  "tarnik_engine_play|engine/rules/legality.h|builds"
  "tarnik_engine_play|engine/records/saved_game.h|fails"
  "tarnik_engine_records|engine/shell/shell.h|fails"
  "tarnik_engine_shell|engine/records/player_log.h|builds"
  "tarnik_engine_shell|solver/solver.h|fails"
  "tarnik_engine_shell|ui/window/main_window.h|fails"
  "tarnik_engine_shell|QString|fails"
  "tarnik_solver_objects|engine/shell/shell.h|builds"
  "tarnik_solver_objects|ui/table/table_widget.h|fails"
  "tarnik_solver_objects|platform/working_folder.h|fails")
set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 layer)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  if(header MATCHES "^Q")
    file(WRITE ${WORK}/probe.cpp "#include <${header}>\n")
  else()
    file(WRITE ${WORK}/probe.cpp "#include \"${header}\"\n")
  endif()
  execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I${LAYERS}/${layer} ${WORK}/probe.cpp
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(status EQUAL 0)
    set(got builds)
  else()
    set(got fails)
  endif()
  if(NOT got STREQUAL expected)
    list(APPEND failures "${layer} including ${header} ${got}, expected it ${expected}")
  endif()
endforeach()

# No file reaches past its layer's include path by a relative path.
file(GLOB_RECURSE sources ${SOURCE}/*.h ${SOURCE}/*.cpp)
foreach(source IN LISTS sources)
  file(STRINGS ${source} escapes REGEX "#include \"\\.\\./")
  if(escapes)
    list(APPEND failures "${source}: ${escapes}")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
