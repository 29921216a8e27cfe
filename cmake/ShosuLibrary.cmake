# shosu_library(<name> DEPS <targets...>)
# Builds the static library shosu_<name> from every .cpp/.h in the calling folder.
# Headers are included as "<folder>/<File>.h" relative to src/.
function(shosu_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(shosu_${name} STATIC ${sources} ${PROJECT_SOURCE_DIR}/cmake/anchor.cpp)
  target_include_directories(shosu_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(shosu_${name} PUBLIC ${ARG_DEPS})
endfunction()
