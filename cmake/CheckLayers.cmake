# The layer check: every file under src/ includes only headers of its own layer or of the
# layers below it, and the Qt-free layers include no Qt at all.
#
#   cmake -DSOURCE_DIR=<src> [-DQT_CORE_DIR=<QtCore include folder>] -P cmake/CheckLayers.cmake
#
# foundations < ephemeris < navigation < chart are the Qt-free core (sights and then the star
# finder sit on navigation beside chart, and almanacpages, the daily pages' values and sheets,
# on the core and the sight corrections); platform (POSIX) uses the core; gps uses the core,
# platform and QtCore; ui uses everything. A header included without a
# folder is the including file's neighbour. Prints every offending include and fails when any.
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: SOURCE_DIR not given")
endif()

set(core foundations ephemeris navigation)
set(allowed_foundations foundations)
set(allowed_ephemeris foundations ephemeris)
set(allowed_navigation ${core})
set(allowed_chart ${core} chart)
set(allowed_sights ${core} sights)
set(allowed_starfinder ${core} sights starfinder)
set(allowed_almanacpages ${core} sights almanacpages)
set(allowed_platform ${core} platform)
set(allowed_gps ${core} platform gps)
set(allowed_ui ${core} chart sights starfinder almanacpages platform gps ui)
# Single headers a layer may use from a sibling: the chart's picking says what the message box
# shows in the platform's plain message record (a struct and enums, no system call).
set(allowed_headers_chart platform/message_presenter.h)
set(qt_free foundations ephemeris navigation chart sights starfinder almanacpages platform)

set(failures 0)
foreach(layer foundations ephemeris navigation chart sights starfinder almanacpages platform gps ui)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(header ${CMAKE_MATCH_1})
        if(NOT header MATCHES "/")
          continue()
        endif()
        string(REGEX REPLACE "/.*" "" folder ${header})
        if(NOT folder IN_LIST allowed_${layer} AND NOT header IN_LIST allowed_headers_${layer})
          message("${shown}: ${layer} includes ${header} (${folder} is not below ${layer})")
          math(EXPR failures "${failures} + 1")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<((Q|qt)[^>]*)>")
        set(header ${CMAKE_MATCH_1})
        if(layer IN_LIST qt_free)
          message("${shown}: ${layer} includes the Qt header <${header}>")
          math(EXPR failures "${failures} + 1")
        elseif(layer STREQUAL "gps" AND NOT header MATCHES "^QtCore/"
               AND NOT (QT_CORE_DIR AND EXISTS ${QT_CORE_DIR}/${header}))
          message("${shown}: gps includes <${header}>, which is not QtCore")
          math(EXPR failures "${failures} + 1")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "CheckLayers: ${failures} include(s) against the layers")
endif()
message(STATUS "CheckLayers: every include points down")
