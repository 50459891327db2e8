# cmake -DSTAGE=FOLDER -DOUTPUT=files.nsh [-DSTRIP=TOOL] -P listfiles.cmake
# Strips the staged programs and libraries of their symbols (Debian's
# MinGW runtime comes with its debugging information), then writes the
# installer's list of files: every file of the staged install, put in
# place by InstallFiles and removed one by one by UninstallFiles, which
# then removes each folder only when it is empty. So the uninstaller never
# takes a file it did not bring: the host's settings, prizes, recovery file,
# macro files and journal stay wherever they are.

file(GLOB_RECURSE _files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT _files)

if(STRIP)
    foreach(_file IN LISTS _files)
        if(_file MATCHES "\\.(exe|dll)$")
            execute_process(COMMAND "${STRIP}" --strip-unneeded "${STAGE}/${_file}" COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endforeach()
endif()

set(_install "!macro InstallFiles\n")
set(_uninstall "!macro UninstallFiles\n")
set(_folders)
set(_current "<none>")
foreach(_file IN LISTS _files)
    get_filename_component(_folder "${_file}" DIRECTORY)
    string(REPLACE "/" "\\" _windows_file "${_file}")
    string(REPLACE "/" "\\" _windows_folder "${_folder}")
    if(NOT _folder STREQUAL _current)
        if(_folder STREQUAL "")
            string(APPEND _install "  SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND _install "  SetOutPath \"$INSTDIR\\${_windows_folder}\"\n")
        endif()
        set(_current "${_folder}")
    endif()
    string(APPEND _install "  File \"${STAGE}/${_file}\"\n")
    string(APPEND _uninstall "  Delete \"$INSTDIR\\${_windows_file}\"\n")
    # Every folder on the way, so that nested ones go too.
    while(NOT _folder STREQUAL "")
        list(APPEND _folders "${_folder}")
        get_filename_component(_folder "${_folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES _folders)
# Deepest first: a folder is empty only once the ones inside it are gone.
list(SORT _folders)
list(REVERSE _folders)
foreach(_folder IN LISTS _folders)
    string(REPLACE "/" "\\" _windows_folder "${_folder}")
    string(APPEND _uninstall "  RMDir \"$INSTDIR\\${_windows_folder}\"\n")
endforeach()
string(APPEND _install "!macroend\n")
string(APPEND _uninstall "!macroend\n")
file(WRITE "${OUTPUT}" "${_install}${_uninstall}")
