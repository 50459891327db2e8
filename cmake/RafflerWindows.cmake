# Building for Windows with the MinGW-w64 cross compilers: every program and
# library in one folder, where they find each other and the tests find them,
# and the resources that make an .exe a Windows program.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/bin")
# Console programs unless said otherwise (qt_standard_project_setup makes
# every one a windowed program): the tests print to the terminal. The
# program and the stand-in room have windows of their own.
set(CMAKE_WIN32_EXECUTABLE OFF)
# wadapi.dll, not libwadapi.dll: the name the chat client's library has.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
# A 32-bit process can only load 32-bit libraries, and the chat client's
# library is one: say which kind a build makes.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(RAFFLER_WINDOWS_BITS 32)
else()
    set(RAFFLER_WINDOWS_BITS 64)
endif()

# The program's icon for the .exe files and the installer, from the same
# drawing as the Linux menus' icon, at the sizes Windows asks for.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(RAFFLER_ICON "${PROJECT_BINARY_DIR}/packaging/corvanes-raffler.ico")
set(_raffler_icon_pngs)
set(_raffler_icon_commands)
foreach(_size 16 24 32 48 64 256)
    set(_png "${PROJECT_BINARY_DIR}/packaging/icon-${_size}.png")
    list(APPEND _raffler_icon_pngs "${_png}")
    list(APPEND _raffler_icon_commands
        COMMAND "${RSVG_CONVERT}" -w ${_size} -h ${_size} -o "${_png}" "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler.svg")
endforeach()
add_custom_command(OUTPUT "${RAFFLER_ICON}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/packaging"
    ${_raffler_icon_commands}
    COMMAND "${ICOTOOL}" -c -o "${RAFFLER_ICON}" ${_raffler_icon_pngs}
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/corvanes-raffler.svg"
    VERBATIM)
add_custom_target(windows_icon DEPENDS "${RAFFLER_ICON}")

# raffler_windows_resources(TARGET DESCRIPTION)
# A window of its own and no console; the icon, the version information and
# the manifest compiled into the .exe.
function(raffler_windows_resources target description)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    get_target_property(_name ${target} OUTPUT_NAME)
    if(NOT _name)
        set(_name ${target})
    endif()
    set(RAFFLER_RC_NAME "${_name}")
    set(RAFFLER_RC_DESCRIPTION "${description}")
    set(RAFFLER_RC_ICON "${RAFFLER_ICON}")
    set(RAFFLER_RC_MANIFEST "${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest")
    set(_rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in" "${_rc}" @ONLY)
    target_sources(${target} PRIVATE "${_rc}")
    set_source_files_properties("${_rc}" PROPERTIES
        OBJECT_DEPENDS "${RAFFLER_ICON};${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest")
    add_dependencies(${target} windows_icon)
endfunction()

# The compiler's runtime libraries, which every program of the build needs
# beside it or on the PATH.
if(RAFFLER_WINDOWS_BITS EQUAL 32)
    set(_raffler_gcc_runtime libgcc_s_dw2-1.dll)
else()
    set(_raffler_gcc_runtime libgcc_s_seh-1.dll)
endif()
set(RAFFLER_RUNTIME_DLLS)
foreach(_dll libstdc++-6.dll ${_raffler_gcc_runtime} libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${_dll}
        OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}")
        # winpthreads is not in the compiler's own folders.
        find_file(_raffler_${_dll} ${_dll} PATHS "/usr/${MINGW_TRIPLET}/lib" NO_DEFAULT_PATH REQUIRED)
        set(_path "${_raffler_${_dll}}")
    endif()
    list(APPEND RAFFLER_RUNTIME_DLLS "${_path}")
endforeach()

# Tests and tools of this build run under Wine, through a script that knows
# where the libraries are.
set(RAFFLER_WINEPREFIX "${PROJECT_BINARY_DIR}/wine")
set(_raffler_wine_folders "${QT6_INSTALL_PREFIX}/bin" "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
foreach(_dll IN LISTS RAFFLER_RUNTIME_DLLS)
    get_filename_component(_folder "${_dll}" DIRECTORY)
    list(APPEND _raffler_wine_folders "${_folder}")
endforeach()
list(REMOVE_DUPLICATES _raffler_wine_folders)
set(RAFFLER_WINEPATH)
foreach(_folder IN LISTS _raffler_wine_folders)
    string(REPLACE "/" "\\" _folder "Z:${_folder}")
    list(APPEND RAFFLER_WINEPATH "${_folder}")
endforeach()
list(JOIN RAFFLER_WINEPATH ";" RAFFLER_WINEPATH)
set(RAFFLER_WINE_FONTDIR "Z:\\usr\\share\\fonts\\truetype\\liberation2")
configure_file("${PROJECT_SOURCE_DIR}/cmake/wine-run.in" "${PROJECT_BINARY_DIR}/wine-run" @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run")
