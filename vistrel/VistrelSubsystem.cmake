# vistrel_subsystem(<name> QT <Qt components>... [DEPENDS <libs>...])
# Builds every .cpp of the calling folder into the static library vistrel_<name>,
# linked to the given Qt components and to the libraries of the folders below it.
# Sources are collected by pattern so that adding a file needs no edit here.
#
# The layers are kept by the include path: each library exposes only its own folder,
# through a folder of the build tree that holds one link to it, and a library sees the
# folders of the libraries it links. A file that includes a folder above its own, or
# one beside it, does not compile.
function(vistrel_subsystem name)
  cmake_parse_arguments(ARG "" "" "QT;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    # An empty folder still gives a library, so the others can name it.
    set(sources ${PROJECT_SOURCE_DIR}/vistrel/empty.cpp)
  endif()
  add_library(vistrel_${name} STATIC ${sources})
  set(include_root ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include_root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${name} SYMBOLIC)
  target_include_directories(vistrel_${name} PUBLIC ${include_root})
  list(TRANSFORM ARG_QT PREPEND Qt6::)
  target_link_libraries(vistrel_${name} PUBLIC ${ARG_QT} ${ARG_DEPENDS} PRIVATE vistrel_text_rules)
endfunction()
