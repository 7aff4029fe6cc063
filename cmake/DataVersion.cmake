# The data folder says which version it is, so that a player's copy filled by
# an earlier version can be brought up to date at start-up (see
# src/platform/data_upgrade.h), and the game carries the code that does it.
file(CONFIGURE OUTPUT ${TARNIK_DATA_DIR}/Version CONTENT "${PROJECT_VERSION}\n")
if(TARGET tarnik_platform)
  target_sources(tarnik_platform PRIVATE
    ${PROJECT_SOURCE_DIR}/src/platform/data_upgrade.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/library_merge.cpp)
endif()
