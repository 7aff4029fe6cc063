# What an installed game carries beside the program and its data: the licence
# and credits, the software centre's description and the manual pages.
include(GNUInstallDirs)

set(TARNIK_HOMEPAGE "https://velmoran.org/tarnik-solitaire" CACHE STRING
  "The game's home page, named by the software centre description and the package")
set(TARNIK_SCREENSHOTS "${TARNIK_HOMEPAGE}/screenshots" CACHE STRING
  "Where the files of docs/screenshots are published")
set(TARNIK_RELEASE_DATE 2026-12-06)  # the day version ${PROJECT_VERSION} was released
set(TARNIK_APP_ID org.velmoran.TarnikSolitaire)
set(TARNIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarnik-solitaire)

install(FILES ${PROJECT_SOURCE_DIR}/COPYING ${PROJECT_SOURCE_DIR}/data/CREDITS.md
  DESTINATION ${TARNIK_DOC_DIR})

set(TARNIK_METAINFO ${CMAKE_BINARY_DIR}/metainfo/${TARNIK_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/metainfo/${TARNIK_APP_ID}.metainfo.xml.in
  ${TARNIK_METAINFO} @ONLY)
install(FILES ${TARNIK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages, compressed as Debian keeps them (no name or time stamp in
# the archive, so that a rebuild gives the same bytes).
find_program(GZIP gzip REQUIRED)
set(TARNIK_MAN_PAGES)
foreach(page tarnik tarnik-tool)
  set(source ${CMAKE_BINARY_DIR}/man/${page}.6)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.6 ${source} @ONLY)
  add_custom_command(OUTPUT ${source}.gz
    COMMAND ${GZIP} -9nkf ${source}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND TARNIK_MAN_PAGES ${source}.gz)
endforeach()
add_custom_target(tarnik_man_pages ALL DEPENDS ${TARNIK_MAN_PAGES})
install(FILES ${TARNIK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
