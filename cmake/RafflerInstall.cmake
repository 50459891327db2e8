# Installing and packaging: the program, the stand-in chat room, the room
# library, an icon, menu entries and the guide. `cpack` (make package) turns
# the same install into a Debian package.

include(GNUInstallDirs)

# The room library is the program's own, not one for others to link against,
# so it gets a folder of its own; the program finds it relative to itself,
# wherever the tree is installed.
set(RAFFLER_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/corvanes-raffler")
file(RELATIVE_PATH _raffler_bin_to_lib "/${CMAKE_INSTALL_BINDIR}" "/${RAFFLER_PRIVATE_LIBDIR}")
set_target_properties(raffler PROPERTIES INSTALL_RPATH "$ORIGIN/${_raffler_bin_to_lib}")

install(TARGETS raffler chatroom RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(TARGETS wadapi_room LIBRARY DESTINATION "${RAFFLER_PRIVATE_LIBDIR}")
install(FILES
        "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler.desktop"
        "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler-chatroom.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
# The guide, where Debian keeps a package's documents.
set(RAFFLER_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/corvanes-raffler")
install(FILES "${PROJECT_SOURCE_DIR}/docs/guide.md" DESTINATION "${RAFFLER_DOCDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs/images" DESTINATION "${RAFFLER_DOCDIR}")

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanes-raffler)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane's Raffler maintainers <maintainers@users.noreply.c-seed-e1c85b25.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Drives the chat client of an avatar chat world to host games: a raffle, a first-come queue called the Lister and a colours caller, with twenty macro texts. Comes with a stand-in chat room with simulated players for hosting a game on one machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries come from the binaries' own needs; the font the window's
# captions were measured with is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
