# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# cmake -DSOURCE_ROOT=<the src folder> -P CheckLayers.cmake
#
# Reads every include of the program's sources and refuses one that points
# up or across the layers, one that climbs out of its folder with "..", one
# not written from the src folder, and Qt in the physics. Any compiler sees
# the same text, so the check holds for all of them.

# The folders each folder may include besides itself, the standard library
# and Qt. A name stands for the folder and the folders in it. From the
# bottom: the physics, the display layer's folders one above the other, each
# over all those below it, the display module over them, the run, and the
# windows.
set(may_include_model "")
set(below "")
foreach(layer numbers zoom text surface controls forms)
  set(may_include_display/${layer} "${below}")
  list(APPEND below display/${layer})
endforeach()
set(may_include_display/desktop display/numbers)
set(may_include_display ${below} display/desktop)
set(may_include_run display model)
set(may_include_ui/help display model)
set(may_include_ui/conditions display model)
set(may_include_ui/results run display model)
set(may_include_ui/speech run display model)
set(may_include_ui/main ui/help ui/conditions ui/results ui/speech run display model)
set(may_include_. ui run display model)

get_filename_component(SOURCE_ROOT ${SOURCE_ROOT} ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/*.h ${SOURCE_ROOT}/*.cpp)
set(refused 0)
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  if(folder STREQUAL "")
    set(folder .)
  endif()
  if(NOT DEFINED may_include_${folder})
    message("${source}: refused: no rule for the folder ${folder}")
    math(EXPR refused "${refused} + 1")
    continue()
  endif()
  file(STRINGS ${SOURCE_ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include" ENCODING UTF-8)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      continue()
    endif()
    set(kind "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    get_filename_component(target ${header} DIRECTORY)
    set(reason "")
    if(header MATCHES "(^|/)\\.\\.?(/|$)")
      set(reason "climbs out with ..")
    elseif(kind STREQUAL "<")
      if(folder MATCHES "^model" AND header MATCHES "^(Q|qt)")
        set(reason "Qt in the physics")
      endif()
    elseif(target STREQUAL "")
      set(reason "not written from the src folder")
    elseif(NOT target STREQUAL folder)
      set(reason "up or across the layers")
      foreach(allowed IN LISTS may_include_${folder})
        if(target STREQUAL allowed OR target MATCHES "^${allowed}/")
          set(reason "")
        endif()
      endforeach()
    endif()
    if(reason)
      message("${source}: refused: ${reason}: ${header}")
      math(EXPR refused "${refused} + 1")
    endif()
  endforeach()
endforeach()
if(refused GREATER 0)
  message(FATAL_ERROR "${refused} includes refused")
endif()
list(LENGTH sources checked)
if(checked EQUAL 0)
  message(FATAL_ERROR "no sources in ${SOURCE_ROOT}")
endif()
message("${checked} files, every include in its layer")
