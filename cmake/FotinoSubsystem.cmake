# One static library per subsystem folder (src/<layer>/<name>), which sees the headers of the
# subsystems it is declared to depend on and nothing else: each library gets an include root of
# its own holding only its folder, so an include that breaks the order of the layers fails to
# compile.
#
#   fotino_subsystem(core/document
#     SOURCES Fotino.cpp Fotino.h ...
#     DEPENDS fotino_core_platform fotino_core_imaging   # subsystems it builds on
#     LIBRARIES Qt6::Gui                                 # public third-party libraries
#     PRIVATE_LIBRARIES JPEG::JPEG)                      # private ones
#
# The target is named fotino_<layer>_<name>; headers are included as "<layer>/<name>/X.h".
function(fotino_subsystem path)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LIBRARIES;PRIVATE_LIBRARIES" ${ARGN})
  string(REPLACE "/" "_" name "${path}")
  set(target fotino_${name})
  set(folder ${CMAKE_SOURCE_DIR}/src/${path})
  list(TRANSFORM ARG_SOURCES PREPEND ${folder}/ REGEX "^[^/$]")
  add_library(${target} STATIC ${ARG_SOURCES})

  set(root ${CMAKE_BINARY_DIR}/include/${name})
  get_filename_component(layer ${path} DIRECTORY)
  file(MAKE_DIRECTORY ${root}/${layer})
  if(NOT EXISTS ${root}/${path})
    file(CREATE_LINK ${folder} ${root}/${path} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target}
    PUBLIC ${ARG_DEPENDS} ${ARG_LIBRARIES}
    PRIVATE fotino_warnings ${ARG_PRIVATE_LIBRARIES})
endfunction()
