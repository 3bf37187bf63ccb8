# The suite's one list of tools, engine/tool_list.h, as the build reads it.
# PERAVIN_TOOLS holds the program names in list order; for each program P,
# PERAVIN_TOOL_SYMBOL_<P> is the ToolDef it carries and PERAVIN_TOOL_SOURCE_<P>
# the file of engine/tools/ that defines it. PERAVIN_TOOL_SOURCES holds every
# tool file.
set(PERAVIN_TOOL_LIST ${PROJECT_SOURCE_DIR}/engine/tool_list.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PERAVIN_TOOL_LIST})
file(GLOB PERAVIN_TOOL_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/engine/tools/*.cpp)

# Which file defines each ToolDef.
foreach(source IN LISTS PERAVIN_TOOL_SOURCES)
  file(STRINGS ${source} definition REGEX "^extern const ToolDef [A-Za-z0-9_]+ =")
  if(NOT definition MATCHES "^extern const ToolDef ([A-Za-z0-9_]+) =")
    message(FATAL_ERROR "${source} defines no ToolDef")
  endif()
  set(tool_source_of_${CMAKE_MATCH_1} ${source})
endforeach()

set(PERAVIN_TOOLS "")
file(STRINGS ${PERAVIN_TOOL_LIST} tool_lines REGEX "^TOOL\\(")
foreach(line IN LISTS tool_lines)
  if(NOT line MATCHES "^TOOL\\(([A-Za-z0-9_]+), ([A-Za-z0-9_]+), L\"")
    message(FATAL_ERROR "engine/tool_list.h: not a tool line: ${line}")
  endif()
  set(program ${CMAKE_MATCH_1})
  set(symbol ${CMAKE_MATCH_2})
  if(NOT DEFINED tool_source_of_${symbol})
    message(FATAL_ERROR "engine/tool_list.h: no file of engine/tools/ defines ${symbol} (${program})")
  endif()
  list(APPEND PERAVIN_TOOLS ${program})
  set(PERAVIN_TOOL_SYMBOL_${program} ${symbol})
  set(PERAVIN_TOOL_SOURCE_${program} ${tool_source_of_${symbol}})
endforeach()

# The launcher, the suite's front door: its program name as its texts file
# gives it (kLauncherProgram), and that file, which holds its title too.
set(PERAVIN_LAUNCHER_TEXTS ${PROJECT_SOURCE_DIR}/launcher/launcher_texts.cpp)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PERAVIN_LAUNCHER_TEXTS})
file(STRINGS ${PERAVIN_LAUNCHER_TEXTS} launcher_line REGEX "^const char kLauncherProgram\\[\\] = \"")
if(NOT launcher_line MATCHES "= \"([A-Za-z0-9_]+)\"")
  message(FATAL_ERROR "launcher/launcher_texts.cpp: no kLauncherProgram")
endif()
set(PERAVIN_LAUNCHER ${CMAKE_MATCH_1})
if(PERAVIN_LAUNCHER IN_LIST PERAVIN_TOOLS)
  message(FATAL_ERROR "the launcher ${PERAVIN_LAUNCHER} has the name of a tool")
endif()

# peravin_package_list(OUTPUT [LAUNCHER] PROGRAM...): a build step that
# writes the package list, one line per program: "exe|title|category". The
# launcher comes first, with its title and no category; then the tools, by
# category in the suite's order (kToolCategories) and in list order within
# one, their texts read from each ToolDef (cmake/write_package_list.cmake).
function(peravin_package_list output)
  set(programs ${ARGN})
  set(launcher "")
  if(programs AND "${ARGV1}" STREQUAL "LAUNCHER")
    list(REMOVE_AT programs 0)
    set(launcher "${PERAVIN_LAUNCHER}=${PERAVIN_LAUNCHER_TEXTS}")
  endif()
  set(entries "")
  set(sources "")
  foreach(program IN LISTS programs)
    list(APPEND entries "${program}=${PERAVIN_TOOL_SOURCE_${program}}")
    list(APPEND sources ${PERAVIN_TOOL_SOURCE_${program}})
  endforeach()
  string(REPLACE ";" "," entries "${entries}")
  set(categories ${PROJECT_SOURCE_DIR}/engine/tool_catalogue.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DENTRIES=${entries}" "-DLAUNCHER=${launcher}"
            -DCATEGORIES=${categories} -P ${PROJECT_SOURCE_DIR}/cmake/write_package_list.cmake
    DEPENDS ${sources} ${categories} ${PERAVIN_LAUNCHER_TEXTS} ${PROJECT_SOURCE_DIR}/cmake/write_package_list.cmake
            ${PROJECT_SOURCE_DIR}/cmake/program_texts.cmake
    COMMENT "Writing the package list")
  add_custom_target(package_list ALL DEPENDS ${output})
endfunction()

# peravin_version_texts(PROGRAM OUTPUT): a build step that writes the header
# of PROGRAM's version record with the texts of its source, the ToolDef of a
# tool or the launcher's texts (cmake/write_version_texts.cmake).
function(peravin_version_texts program output)
  if(program STREQUAL PERAVIN_LAUNCHER)
    set(source ${PERAVIN_LAUNCHER_TEXTS})
    set(kind LAUNCHER)
  else()
    set(source ${PERAVIN_TOOL_SOURCE_${program}})
    set(kind TOOL)
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -D${kind}=${source}
            -P ${PROJECT_SOURCE_DIR}/cmake/write_version_texts.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/write_version_texts.cmake
            ${PROJECT_SOURCE_DIR}/cmake/program_texts.cmake
    COMMENT "Writing the version texts of ${program}")
endfunction()
