# The layers of the program and what each may use. A folder of src/ is one
# layer and one library (quelvora_<folder>); its code may include and call
# only itself and the layers named for it here, and so may the tests in the
# tests/ folder of the same name. A new folder needs its line here.
#
# Three checks hold the table, each failing the build:
#  - configure: a library or test folder that links a layer above its own;
#  - build: an #include "<folder>/..." of a layer not allowed (catches inline
#    and template code the linker never sees);
#  - build: each library is linked whole into a small executable against
#    only what it declares, so a call to anything above it is an undefined
#    reference (static libraries alone never report those).
set(QUELVORA_LAYER_core "")
set(QUELVORA_LAYER_taxid "")
set(QUELVORA_LAYER_data core)
set(QUELVORA_LAYER_rules data core)
set(QUELVORA_LAYER_reports data core)
set(QUELVORA_LAYER_widgets reports data taxid core)
set(QUELVORA_LAYER_registers widgets rules reports data taxid core)
# The pickers live here and serve the movement windows above.
set(QUELVORA_LAYER_statements widgets rules reports data taxid core)
set(QUELVORA_LAYER_logs statements registers widgets rules reports data taxid core)
set(QUELVORA_LAYER_sawn logs statements registers widgets rules reports data taxid core)
set(QUELVORA_LAYER_maintenance widgets data core)
set(QUELVORA_LAYER_app maintenance sawn logs statements registers widgets rules reports data taxid core)
# Tests only: several workstations on one database server, windows of any layer but app.
set(QUELVORA_LAYER_server sawn logs statements registers widgets rules reports data taxid core)

# Qt modules per layer: nothing below widgets sees QtWidgets.
set(QUELVORA_QT_core Core)
set(QUELVORA_QT_taxid Core)
set(QUELVORA_QT_data Core Sql)
set(QUELVORA_QT_rules Core Sql)
set(QUELVORA_QT_reports Core Sql Gui PrintSupport)
set(QUELVORA_QT_widgets Core Sql Gui PrintSupport Widgets)
foreach(_layer registers statements logs sawn maintenance)
  set(QUELVORA_QT_${_layer} ${QUELVORA_QT_widgets})
endforeach()
# The yield query draws its chart.
list(APPEND QUELVORA_QT_sawn Charts)
set(QUELVORA_QT_app ${QUELVORA_QT_widgets} Network)

# Script mode: the include check itself.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED LAYER)
  cmake_minimum_required(VERSION 3.24)
  set(_allowed ${LAYER} ${QUELVORA_LAYER_${LAYER}})
  file(GLOB _files ${DIR}/*.cpp ${DIR}/*.h)
  set(_bad "")
  set(_used "")
  foreach(_f ${_files})
    file(STRINGS ${_f} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(_l ${_lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" _to "${_l}")
      list(APPEND _used ${_to})
      if(DEFINED QUELVORA_LAYER_${_to} AND NOT _to IN_LIST _allowed)
        get_filename_component(_n ${_f} NAME)
        string(STRIP "${_l}" _l)
        string(APPEND _bad "  ${LAYER}/${_n}: ${_l}\n")
      endif()
    endforeach()
  endforeach()
  if(_bad)
    message(FATAL_ERROR "Includes above the ${LAYER} layer (allowed: ${_allowed}):\n${_bad}")
  endif()
  # A library declares exactly the layers its code includes, so its link
  # closure is what it uses: nothing missing, nothing left over.
  if(DEFINED DECLARED)
    string(REPLACE "," ";" _declared "${DECLARED}")
    list(REMOVE_DUPLICATES _used)
    list(REMOVE_ITEM _used ${LAYER})
    foreach(_d ${_declared})
      if(NOT _d IN_LIST _used)
        message(FATAL_ERROR "src/${LAYER} links quelvora_${_d} but includes nothing of it")
      endif()
    endforeach()
    foreach(_u ${_used})
      if(DEFINED QUELVORA_LAYER_${_u} AND NOT _u IN_LIST _declared)
        message(FATAL_ERROR "src/${LAYER} includes ${_u}/ without linking quelvora_${_u} in its CMakeLists.txt")
      endif()
    endforeach()
  endif()
  file(TOUCH ${STAMP})
  return()
endif()

option(QUELVORA_CHECK_LAYERS "Check the layering of the libraries at build time" ON)

set(_quelvora_layers_script ${CMAKE_CURRENT_LIST_FILE})

# Fails the configuration when LAYER links a library it may not use.
# quelvora_lib (everything) is for the top layer only.
function(quelvora_check_links layer what)
  if(NOT DEFINED QUELVORA_LAYER_${layer})
    message(FATAL_ERROR "${what}: '${layer}' is not in the layer table (cmake/QuelvoraLayers.cmake)")
  endif()
  set(_allowed ${layer} ${QUELVORA_LAYER_${layer}})
  # Tests may drive Qt freely (a taxid test hosts its edit in a widget).
  set(_check_qt TRUE)
  if(what MATCHES "^tests/")
    set(_check_qt FALSE)
  endif()
  foreach(_lib ${ARGN})
    if(_lib STREQUAL "quelvora_lib")
      if(NOT layer STREQUAL "app")
        message(FATAL_ERROR "${what} (layer ${layer}) links quelvora_lib, which holds every layer")
      endif()
    elseif(_lib MATCHES "^quelvora_([a-z]+)$")
      set(_to ${CMAKE_MATCH_1})
      if(DEFINED QUELVORA_LAYER_${_to} AND NOT _to IN_LIST _allowed)
        message(FATAL_ERROR "${what} (layer ${layer}) links ${_lib}, a layer above it; "
                            "allowed: ${_allowed}")
      endif()
    elseif(_lib MATCHES "^Qt6::(.+)$" AND _check_qt)
      if(NOT CMAKE_MATCH_1 IN_LIST QUELVORA_QT_${layer})
        message(FATAL_ERROR "${what} (layer ${layer}) links ${_lib}; allowed Qt: ${QUELVORA_QT_${layer}}")
      endif()
    endif()
  endforeach()
endfunction()

# A build-time target, NAME_includes, that checks the #include lines of
# the sources in DIR against LAYER. Returns nothing; callers depend on it.
# For a library, DECLARED (optional, after DIR) are the layers it links, and
# they must be exactly the layers it includes.
function(quelvora_check_includes name layer dir)
  set(_declared "")
  if(ARGC GREATER 3)
    set(_declared -DDECLARED=${ARGN})
    string(REPLACE ";" "," _declared "${_declared}")
  endif()
  file(GLOB _files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  set(_stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}_includes.stamp)
  add_custom_command(OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${layer} -DDIR=${dir} -DSTAMP=${_stamp} ${_declared}
            -P ${_quelvora_layers_script}
    DEPENDS ${_files} ${_quelvora_layers_script}
    COMMENT "Checking the includes of ${name} against the ${layer} layer"
    VERBATIM)
  add_custom_target(${name}_includes ALL DEPENDS ${_stamp})
endfunction()

# Links the whole of static library TARGET into an executable with nothing
# but its own declared libraries: an upward call has no definition there.
function(quelvora_link_check target)
  if(NOT QUELVORA_CHECK_LAYERS)
    return()
  endif()
  set(_main ${PROJECT_BINARY_DIR}/linkcheck_main.cpp)
  if(NOT EXISTS ${_main})
    file(WRITE ${_main} "// Only linked, never run.\nint main() { return 0; }\n")
  endif()
  add_executable(${target}_linkcheck ${_main})
  set_target_properties(${target}_linkcheck PROPERTIES AUTOMOC OFF AUTORCC OFF)
  target_link_libraries(${target}_linkcheck PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
endfunction()
