# What a Windows host installs: the program, the stand-in chat room with its
# library in a folder of its own, Qt's libraries and plugins beside them (so
# that anyone may put in their own build of Qt, as its LGPL allows), the C++
# runtime, the guide and the licences. `windows_package` turns the same
# install into a zip to unpack anywhere and an installer made with NSIS.

# The stand-in room's library stays out of the program's folder, where the
# usual search would take it for the chat client's own.
set(RAFFLER_STAND_IN_DIR stand-in)
install(TARGETS raffler chatroom RUNTIME DESTINATION .)
install(TARGETS wadapi_room RUNTIME DESTINATION "${RAFFLER_STAND_IN_DIR}")

foreach(_module Core Gui Widgets Network)
    install(FILES "$<TARGET_FILE:Qt6::${_module}>" DESTINATION .)
endforeach()
install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" DESTINATION platforms)
install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" DESTINATION styles)

install(FILES ${RAFFLER_RUNTIME_DLLS} DESTINATION .)

# The guide, the program's copyright, and the licences of what ships with it.
install(FILES "${PROJECT_SOURCE_DIR}/docs/guide.md" "${PROJECT_SOURCE_DIR}/docs/windows.md" DESTINATION doc)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs/images" DESTINATION doc)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION licences RENAME copyright.txt)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/windows/third-party.txt" DESTINATION licences)
install(FILES
        "${QT6_INSTALL_PREFIX}/LICENSES/LGPL-3.0-only.txt"
        "${QT6_INSTALL_PREFIX}/LICENSES/GPL-3.0-only.txt"
        "${QT6_INSTALL_PREFIX}/raffler-qt-build.txt"
    DESTINATION licences/qt)
foreach(_package gcc-mingw-w64-base mingw-w64-common)
    install(FILES "/usr/share/doc/${_package}/copyright" DESTINATION licences/mingw-w64 RENAME ${_package}.txt)
endforeach()

# windows_package: build/windows/package/ gets the zip and the installer.
set(RAFFLER_PACKAGE_NAME "corvanes-raffler-${PROJECT_VERSION}-win${RAFFLER_WINDOWS_BITS}")
set(RAFFLER_PACKAGE_DIR "${PROJECT_BINARY_DIR}/package")
find_program(MAKENSIS makensis REQUIRED)
# NSIS names the 64-bit Program Files $PROGRAMFILES64.
if(RAFFLER_WINDOWS_BITS EQUAL 64)
    set(RAFFLER_NSIS_PROGRAMFILES_BITS 64)
endif()
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi.in"
    "${RAFFLER_PACKAGE_DIR}/installer.nsi" @ONLY)
set(_raffler_stage "${RAFFLER_PACKAGE_DIR}/${RAFFLER_PACKAGE_NAME}")
set(RAFFLER_INSTALLER "${RAFFLER_PACKAGE_DIR}/${RAFFLER_PACKAGE_NAME}-setup.exe")
set(RAFFLER_ZIP "${RAFFLER_PACKAGE_DIR}/${RAFFLER_PACKAGE_NAME}.zip")
file(GLOB _raffler_images "${PROJECT_SOURCE_DIR}/docs/images/*")
add_custom_command(OUTPUT "${RAFFLER_INSTALLER}" "${RAFFLER_ZIP}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${_raffler_stage}"
    COMMAND "${CMAKE_COMMAND}" --install "${PROJECT_BINARY_DIR}" --prefix "${_raffler_stage}"
    COMMAND "${CMAKE_COMMAND}" -DSTAGE=${_raffler_stage} -DOUTPUT=${RAFFLER_PACKAGE_DIR}/files.nsh
            -DSTRIP=${CMAKE_STRIP} -P "${PROJECT_SOURCE_DIR}/packaging/windows/listfiles.cmake"
    COMMAND "${MAKENSIS}" -V2 -NOCD "${RAFFLER_PACKAGE_DIR}/installer.nsi"
    COMMAND "${CMAKE_COMMAND}" -E rm -f "${RAFFLER_ZIP}"
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${RAFFLER_ZIP}" --format=zip "${RAFFLER_PACKAGE_NAME}"
    WORKING_DIRECTORY "${RAFFLER_PACKAGE_DIR}"
    DEPENDS raffler chatroom wadapi_room windows_icon
        "$<TARGET_FILE:raffler>" "$<TARGET_FILE:chatroom>" "$<TARGET_FILE:wadapi_room>"
        "${RAFFLER_PACKAGE_DIR}/installer.nsi"
        "${PROJECT_SOURCE_DIR}/packaging/windows/listfiles.cmake"
        "${PROJECT_SOURCE_DIR}/packaging/windows/third-party.txt"
        "${PROJECT_SOURCE_DIR}/packaging/copyright"
        "${PROJECT_SOURCE_DIR}/docs/guide.md" "${PROJECT_SOURCE_DIR}/docs/windows.md" ${_raffler_images}
    COMMENT "The zip and the installer"
    VERBATIM)
add_custom_target(windows_package DEPENDS "${RAFFLER_INSTALLER}" "${RAFFLER_ZIP}")
