# Checks that the source folders depend on each other one way only:
#   cmake -DSOURCE_DIR=<src> -DQT_GUI_HEADERS=<dir> -DQT_WIDGETS_HEADERS=<dir> -P check_layering.cmake
# Each folder of SOURCE_DIR may include its own headers and those of the folders below it;
# the logic folders (every folder but ui and app) include no QtGui or QtWidgets header.
# Prints every offending include and fails when there is one.

cmake_minimum_required(VERSION 3.25)

set(layers core keytable identify engine crossfilter ui app)
set(may_include_core core)
set(may_include_keytable core keytable)
set(may_include_identify core keytable identify)
set(may_include_engine core keytable identify engine)
set(may_include_crossfilter core keytable identify engine crossfilter)
set(may_include_ui core keytable identify engine crossfilter ui)
set(may_include_app core keytable identify engine crossfilter ui app)
set(logic_layers core keytable identify engine crossfilter)

foreach(variable SOURCE_DIR QT_GUI_HEADERS QT_WIDGETS_HEADERS)
    if(NOT IS_DIRECTORY "${${variable}}")
        message(FATAL_ERROR "${variable} is not a folder: '${${variable}}'")
    endif()
endforeach()

# The header names of QtGui and QtWidgets, as an include names them (<QWidget>, <qwidget.h>).
set(window_headers)
foreach(dir ${QT_GUI_HEADERS} ${QT_WIDGETS_HEADERS})
    file(GLOB names RELATIVE "${dir}" "${dir}/*")
    list(APPEND window_headers ${names})
endforeach()
list(REMOVE_DUPLICATES window_headers)

set(faults)
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source ${sources})
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT folder IN_LIST layers)
        list(APPEND faults "${source}: folder '${folder}' has no place in the layering")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
        if(line MATCHES "include[ \t]*\"([^\"/]+)/")
            set(included "${CMAKE_MATCH_1}")
            if(included IN_LIST layers AND NOT included IN_LIST may_include_${folder})
                list(APPEND faults "${source}: ${folder} may not include ${included}: ${line}")
            endif()
        elseif(folder IN_LIST logic_layers AND line MATCHES "include[ \t]*<([^>]+)>")
            set(header "${CMAKE_MATCH_1}")
            if(header MATCHES "^Qt(Gui|Widgets)/" OR header IN_LIST window_headers)
                list(APPEND faults "${source}: ${folder} may not include a window header: ${line}")
            endif()
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" report)
    message(FATAL_ERROR "Includes against the layering:\n${report}")
endif()
list(LENGTH sources checked)
message(STATUS "Layering holds in ${checked} files")
