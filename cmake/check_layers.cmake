# Fails when a folder of src/ includes a header from a folder of a higher
# layer. Runs at configure time and as the test `layers`:
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
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "Includes must point down the layers:${faults}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND WELKIN_SOURCE_DIR)
  welkin_check_layers("${WELKIN_SOURCE_DIR}")
endif()
