# zelwick_add_library(<target> <folder> [LINKS ...])
# A versioned shared library made of every .cpp in <folder>; linking it gives
# its headers. Headers and library install with `cmake --install`.
function(zelwick_add_library target folder)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  if(NOT sources)
    message(STATUS "${target}: no sources yet, skipped")
    return()
  endif()
  add_library(${target} SHARED ${sources} ${headers})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${folder}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/zelwick>)
  if(ARG_LINKS)
    target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  endif()
  install(TARGETS ${target}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zelwick)
endfunction()
