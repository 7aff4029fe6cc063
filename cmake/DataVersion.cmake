# The data folder says which version it is, so that a player's copy filled by
# an earlier version can be brought up to date at start-up (see
# src/platform/data_upgrade.h).
file(CONFIGURE OUTPUT ${TARNIK_DATA_DIR}/Version CONTENT "${PROJECT_VERSION}\n")
