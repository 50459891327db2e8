# Installing and packaging: the program, the stand-in chat room, the room
# library, an icon, menu entries, manual pages, AppStream metadata and the
# guide. `cpack` (make package) turns the same install into a Debian package.

include(GNUInstallDirs)

# Installing (and cpack) takes what was built instead of building everything
# first: one release build serves the benchmarks and the Debian package, and
# the package's needs are built for it (make package).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The room library is the program's own, not one for others to link against,
# so it gets a folder of its own; the program finds it relative to itself,
# wherever the tree is installed. On Debian that folder is below the
# multiarch one, lib/x86_64-linux-gnu, where CPack, unlike for a folder right
# below lib, adds no ldconfig calls that a private library does not need.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(RAFFLER_PRIVATE_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}/corvanes-raffler")
else()
    set(RAFFLER_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/corvanes-raffler")
endif()
file(RELATIVE_PATH _raffler_bin_to_lib "/${CMAKE_INSTALL_BINDIR}" "/${RAFFLER_PRIVATE_LIBDIR}")
set_target_properties(raffler PROPERTIES INSTALL_RPATH "$ORIGIN/${_raffler_bin_to_lib}")

install(TARGETS raffler chatroom RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(TARGETS wadapi_room LIBRARY DESTINATION "${RAFFLER_PRIVATE_LIBDIR}")
install(FILES
        "${PROJECT_SOURCE_DIR}/packaging/example.corvanes_games.raffler.desktop"
        "${PROJECT_SOURCE_DIR}/packaging/example.corvanes_games.raffler-chatroom.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

# The changelog's top entry is this release, written by hand as Debian's are;
# the metainfo and the manual pages take their version from the project and
# their day from that entry.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/changelog" _raffler_changelog)
list(GET _raffler_changelog 0 _raffler_newest)
if(NOT _raffler_newest MATCHES "^corvanes-raffler \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog needs an entry for the release ${PROJECT_VERSION} at the top")
endif()
list(FILTER _raffler_changelog INCLUDE REGEX "^ -- ")
list(GET _raffler_changelog 0 _raffler_signed)
set(_raffler_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(JOIN _raffler_months "|" _raffler_month_names)
if(NOT _raffler_signed MATCHES ", +([0-9]+) (${_raffler_month_names}) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: no date in \"${_raffler_signed}\"")
endif()
set(_raffler_day "${CMAKE_MATCH_1}")
set(_raffler_year "${CMAKE_MATCH_3}")
list(FIND _raffler_months "${CMAKE_MATCH_2}" _raffler_month)
math(EXPR _raffler_month "${_raffler_month} + 1")
foreach(_part _raffler_month _raffler_day)
    string(REGEX REPLACE "^([0-9])$" "0\\1" ${_part} "${${_part}}")
endforeach()
set(RAFFLER_RELEASE_DATE "${_raffler_year}-${_raffler_month}-${_raffler_day}")
configure_file("${PROJECT_SOURCE_DIR}/packaging/example.corvanes_games.raffler.metainfo.xml.in"
    "${PROJECT_BINARY_DIR}/packaging/example.corvanes_games.raffler.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/example.corvanes_games.raffler.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# Manual pages and the changelog compressed as Debian wants them: gzip -9,
# without a name or a time stamp, so that the same text makes the same file.
set(RAFFLER_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/corvanes-raffler")
set(_raffler_gzipped)
foreach(_page raffler raffler-chatroom)
    configure_file("${PROJECT_SOURCE_DIR}/packaging/man/${_page}.1.in" "${PROJECT_BINARY_DIR}/man/${_page}.1" @ONLY)
    list(APPEND _raffler_gzipped "${PROJECT_BINARY_DIR}/man/${_page}.1")
    install(FILES "${PROJECT_BINARY_DIR}/man/${_page}.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog" "${PROJECT_BINARY_DIR}/doc/changelog" COPYONLY)
list(APPEND _raffler_gzipped "${PROJECT_BINARY_DIR}/doc/changelog")
install(FILES "${PROJECT_BINARY_DIR}/doc/changelog.gz" DESTINATION "${RAFFLER_DOCDIR}")
set(_raffler_gzip_outputs)
foreach(_file IN LISTS _raffler_gzipped)
    add_custom_command(OUTPUT "${_file}.gz"
        COMMAND gzip -9nkf "${_file}"
        DEPENDS "${_file}"
        VERBATIM)
    list(APPEND _raffler_gzip_outputs "${_file}.gz")
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${_raffler_gzip_outputs})

# The guide and the copyright, where Debian keeps a package's documents.
install(FILES "${PROJECT_SOURCE_DIR}/docs/guide.md" "${PROJECT_SOURCE_DIR}/docs/windows.md" "${PROJECT_SOURCE_DIR}/packaging/copyright"
    DESTINATION "${RAFFLER_DOCDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs/images" DESTINATION "${RAFFLER_DOCDIR}")
# What lintian cannot tell on its own, where Debian keeps it.
install(FILES "${PROJECT_SOURCE_DIR}/packaging/lintian-overrides"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME corvanes-raffler)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanes-raffler)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane's Raffler maintainers <maintainers@users.noreply.c-seed-e1c85b25.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the description as it stands: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Drives the chat client of an avatar chat world to host games: a raffle, a"
    "first-come queue called the Lister and a colours caller, with twenty macro"
    "texts. Comes with a stand-in chat room with simulated players for hosting a"
    "game on one machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# It hosts games in a chat world rather than being one: no /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# The Qt libraries come from the binaries' own needs; the font the window's
# captions were measured with is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
