# `cpack -G DEB` in the build folder makes tarnik-solitaire_VERSION_ARCH.deb,
# installed under /usr, its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnik-solitaire)
set(CPACK_PACKAGE_VENDOR Velmoran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarnik Solitaire developers <dev@tarnik.invalid>")
# The summary is the first line of the description, the rest its body.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience games in which every variant is data")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnik Solitaire plays 240 patience (solitaire) games, from Klondike,
FreeCell and Spider to Pyramid and Golf, with one rules engine that reads
each game's pile rules alone. A 32-bit seed fixes every deal, so a deal can
be replayed, shared and logged.
.
The player file keeps a log and statistics of every deal, tournaments play a
fixed list of games and seeds, and a solver gives hints and tells whether a
deal can be won. The game editor changes any rule of any pile and adds new
games to the library.
.
The package also holds tarnik-tool, which deals, plays, checks, solves and
converts games from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARNIK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as Qt plugins, which dpkg-shlibdeps cannot see: the SVG window icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
