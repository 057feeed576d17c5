# Fails when a folder of src/ includes a header from a folder of a higher
# layer, when a file other than the main form's own, ui/ and app/ includes
# the main form's header, or when files of one layer include one another in a circle (a file
# and its header count as one: lobes_form.cpp including main_form.h while
# main_form.h includes lobes_form.h is a circle). Runs at configure time and
# as the test `layers`:
#   cmake -DWELKIN_SOURCE_DIR=<src> -P check_layers.cmake
#
# Layers, lowest first. Folders of one layer may include one another.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

set(welkin_layers
    "units"
    "canvas"
    "core panel2d lobes response"
    "panel1d"
    "compare"
    "reports persist build"
    "forms"
    "render"
    "ui"
    "app")

# The main form is the main window's state and handlers. Only the window
# (ui/), the programs (app/) and the main form's own files include it; the
# other forms read a ShownDesign, are handed what they need, or drive the
# design through the DesignEditor the main form implements.
set(welkin_main_form_header "forms/main_form.h")

function(welkin_may_include_main_form source out)
  string(REGEX REPLACE "/.*" "" folder "${source}")
  if(folder STREQUAL "ui" OR folder STREQUAL "app" OR source MATCHES "^forms/main_form")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(welkin_layer_of folder out)
  set(rank 0)
  foreach(layer IN LISTS welkin_layers)
    string(REPLACE " " ";" members "${layer}")
    if(folder IN_LIST members)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} -1 PARENT_SCOPE)
endfunction()

function(welkin_check_layers source_dir)
  file(GLOB_RECURSE sources RELATIVE "${source_dir}" "${source_dir}/*.h" "${source_dir}/*.cpp")
  set(faults "")
  foreach(source IN LISTS sources)
    string(REGEX REPLACE "/.*" "" folder "${source}")
    welkin_layer_of("${folder}" own)
    if(own EQUAL -1)
      string(APPEND faults "\n  ${source}: folder ${folder} belongs to no layer")
      continue()
    endif()
    file(STRINGS "${source_dir}/${source}" includes REGEX "^#include \"[^\"]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" target "${line}")
      welkin_layer_of("${target}" theirs)
      if(theirs GREATER own)
        string(APPEND faults "\n  ${source} includes ${target}/, a higher layer")
      endif()
      if(line MATCHES "^#include \"${welkin_main_form_header}\"")
        welkin_may_include_main_form("${source}" allowed)
        if(NOT allowed)
          string(APPEND faults "\n  ${source} includes ${welkin_main_form_header}, which only "
                               "the main form, ui/ and app/ may")
        endif()
      endif()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "Includes must point down the layers:${faults}")
  endif()
  welkin_check_circles("${source_dir}" "${sources}")
endfunction()

# The include graph between the units of each layer, a unit being a path
# without its extension (a file and its header).
function(welkin_check_circles source_dir sources)
  set(units "")
  foreach(source IN LISTS sources)
    string(REGEX REPLACE "\\.(h|cpp)$" "" unit "${source}")
    string(REGEX REPLACE "/.*" "" folder "${source}")
    welkin_layer_of("${folder}" own)
    list(APPEND units "${unit}")
    string(MAKE_C_IDENTIFIER "${unit}" key)
    file(STRINGS "${source_dir}/${source}" includes REGEX "^#include \"[^\"]+\\.h\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\\.h\".*" "\\1" target "${line}")
      string(REGEX REPLACE "/.*" "" target_folder "${target}")
      welkin_layer_of("${target_folder}" theirs)
      if(theirs EQUAL own AND NOT target STREQUAL unit AND EXISTS "${source_dir}/${target}.h")
        list(APPEND edges_${key} "${target}")
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES units)
  # Take away, until nothing changes, the units that include no unit still
  # left and those that no unit still left includes: what stays is circles.
  set(left ${units})
  set(changed TRUE)
  while(changed)
    set(changed FALSE)
    set(included "")
    foreach(unit IN LISTS left)
      string(MAKE_C_IDENTIFIER "${unit}" key)
      foreach(target IN LISTS edges_${key})
        if(target IN_LIST left)
          list(APPEND included "${target}")
        endif()
      endforeach()
    endforeach()
    set(still "")
    foreach(unit IN LISTS left)
      string(MAKE_C_IDENTIFIER "${unit}" key)
      set(includes_one FALSE)
      foreach(target IN LISTS edges_${key})
        if(target IN_LIST left)
          set(includes_one TRUE)
          break()
        endif()
      endforeach()
      if(includes_one AND unit IN_LIST included)
        list(APPEND still "${unit}")
      else()
        set(changed TRUE)
      endif()
    endforeach()
    set(left ${still})
  endwhile()
  if(left)
    set(faults "")
    foreach(unit IN LISTS left)
      string(MAKE_C_IDENTIFIER "${unit}" key)
      set(on "")
      foreach(target IN LISTS edges_${key})
        if(target IN_LIST left)
          list(APPEND on "${target}")
        endif()
      endforeach()
      list(JOIN on ", " on)
      string(APPEND faults "\n  ${unit} includes ${on}")
    endforeach()
    message(FATAL_ERROR "Files of one layer include one another in a circle:${faults}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND WELKIN_SOURCE_DIR)
  welkin_check_layers("${WELKIN_SOURCE_DIR}")
endif()
