# Compiler settings every target of the project shares.

set(RAFFLER_WARNINGS
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wimplicit-fallthrough -Wmissing-declarations)

if(RAFFLER_FUZZ)
    # Every library is instrumented for coverage; the fuzz targets link the fuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(RAFFLER_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(raffler_target_options target)
    set_property(GLOBAL APPEND PROPERTY RAFFLER_TARGETS ${target})
    target_compile_options(${target} PRIVATE ${RAFFLER_WARNINGS})
    if(RAFFLER_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # Text from the chat client and the files is single-byte; every conversion is explicit.
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# raffler_export_headers(TARGET FOLDER FILES...)
# Lets whatever links TARGET include FOLDER/FILE for just these files of the
# current source folder (all of it when FILES is empty), through links in the
# build tree: nothing else of src/ is on the include path.
function(raffler_export_headers target folder)
    set(exported "${CMAKE_CURRENT_BINARY_DIR}/include-${target}")
    file(MAKE_DIRECTORY "${exported}")
    if(ARGN)
        file(MAKE_DIRECTORY "${exported}/${folder}")
        foreach(header IN LISTS ARGN)
            file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}/${header}" "${exported}/${folder}/${header}" SYMBOLIC)
        endforeach()
    else()
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${exported}/${folder}" SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE "${exported}")
    else()
        target_include_directories(${target} PUBLIC "${exported}")
    endif()
endfunction()

# raffler_library(NAME SOURCES... [DEPENDS targets...])
# One library per folder of src/; the folder's name is the target's name.
# It exports only its own folder, so that an include of a layer above it,
# which it does not link, fails to compile.
function(raffler_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    raffler_export_headers(${name} ${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    raffler_target_options(${name})
endfunction()

# The chat static library calls the chat client's library, but nothing in an
# executable's own objects does. A linker that drops shared libraries nobody
# needed so far (--as-needed) would drop libwadapi.so when it comes before
# libchat.a on the line; on Windows the import library is an archive, read
# once where it stands. This feature keeps it whatever the order: taken as
# needed, or every import of it taken at once.
if(WIN32)
    set(CMAKE_LINK_LIBRARY_USING_raffler_needed "LINKER:--whole-archive" "<LINK_ITEM>" "LINKER:--no-whole-archive")
else()
    set(CMAKE_LINK_LIBRARY_USING_raffler_needed "LINKER:--push-state,--no-as-needed" "<LINK_ITEM>" "LINKER:--pop-state")
endif()
set(CMAKE_LINK_LIBRARY_USING_raffler_needed_SUPPORTED TRUE)

# raffler_link_wadapi_room(TARGET)
# Links the chat client library of the default build, libwadapi.so (the
# stand-in's wadapi.dll on Windows), which reaches a running chatroom.
# (Tests that script the client link the object library wadapi_script
# instead, which no linker drops.)
function(raffler_link_wadapi_room target)
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:raffler_needed,wadapi_room>")
endfunction()

# raffler_windows_program(TARGET DESCRIPTION)
# On Windows: a program with a window of its own and no console, with the
# icon, the version information and the manifest in its .exe. Nothing
# elsewhere.
function(raffler_windows_program target description)
    if(WIN32)
        raffler_windows_resources(${target} "${description}")
    endif()
endfunction()

# Qt's headers are most of what every source file compiles. Each target
# compiles those it uses once, as a precompiled header: the core ones, the
# widgets' where it links Qt Widgets, the test framework's where it links Qt
# Test. (make lint reads every file without them, so each file must still
# include what it uses.)
set(RAFFLER_PCH_CORE
    <QByteArray> <QCoreApplication> <QDir> <QFile> <QJsonArray> <QJsonDocument> <QJsonObject> <QList>
    <QObject> <QString> <QStringList> <QTimer> <functional> <memory> <optional>)
set(RAFFLER_PCH_WIDGETS
    <QAction> <QApplication> <QCheckBox> <QGroupBox> <QLabel> <QLineEdit> <QListView> <QMainWindow> <QMenu>
    <QMenuBar> <QMessageBox> <QPushButton> <QRadioButton> <QScrollBar> <QTextEdit> <QWidget>)
set(RAFFLER_PCH_TEST <QSignalSpy> <QTest>)

# Every library a target links, directly or through others.
function(_raffler_link_closure target result)
    set(seen ${${result}})
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(libraries ${target} ${property})
        foreach(library IN LISTS libraries)
            if(library MATCHES "^\\$<" OR NOT TARGET ${library} OR library IN_LIST seen)
                continue()
            endif()
            get_target_property(aliased ${library} ALIASED_TARGET)
            if(aliased)
                set(library ${aliased})
            endif()
            list(APPEND seen ${library})
            _raffler_link_closure(${library} seen)
        endforeach()
    endforeach()
    set(${result} ${seen} PARENT_SCOPE)
endfunction()

# Called once every target exists (the end of the top CMakeLists.txt).
function(raffler_precompile_headers)
    if(CMAKE_DISABLE_PRECOMPILE_HEADERS)
        return()
    endif()
    get_property(targets GLOBAL PROPERTY RAFFLER_TARGETS)
    foreach(target IN LISTS targets)
        set(closure)
        _raffler_link_closure(${target} closure)
        set(headers ${RAFFLER_PCH_CORE})
        if(Qt6::Widgets IN_LIST closure)
            list(APPEND headers ${RAFFLER_PCH_WIDGETS})
        endif()
        if(Qt6::Test IN_LIST closure)
            list(APPEND headers ${RAFFLER_PCH_TEST})
        endif()
        target_precompile_headers(${target} PRIVATE ${headers})
    endforeach()
endfunction()
