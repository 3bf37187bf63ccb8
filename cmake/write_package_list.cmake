# Writes the package list: one line per program, "exe|title|category". The
# launcher, when given, comes first with its title and an empty category;
# then the tools, by category in the suite's order and in list order within
# one, with the title and category as each ToolDef gives them
# (cmake/program_texts.cmake).
#   cmake -DOUTPUT=FILE -DENTRIES=PROGRAM=SOURCE,... [-DLAUNCHER=PROGRAM=TEXTS]
#         -DCATEGORIES=engine/tool_catalogue.cpp -P write_package_list.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/program_texts.cmake)
string(REPLACE "," ";" entries "${ENTRIES}")

# The suite's categories in order: the strings of kToolCategories.
file(READ ${CATEGORIES} catalogue)
if(NOT catalogue MATCHES "kToolCategories\\[\\] = {([^}]*)}")
  message(FATAL_ERROR "${CATEGORIES}: no kToolCategories")
endif()
string(REGEX MATCHALL "L\"[^\"]*\"" categories "${CMAKE_MATCH_1}")
list(TRANSFORM categories REPLACE "^L\"(.*)\"$" "\\1")

set(text "")
if(LAUNCHER)
  string(REGEX MATCH "^([^=]+)=(.+)$" matched "${LAUNCHER}")
  set(program ${CMAKE_MATCH_1})
  peravin_launcher_title(${CMAKE_MATCH_2} title)
  string(APPEND text "${program}.exe|${title}|\n")
endif()

foreach(category IN LISTS categories)
  set(lines_${category} "")
endforeach()
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^([^=]+)=(.+)$" matched "${entry}")
  set(program ${CMAKE_MATCH_1})
  set(path ${CMAKE_MATCH_2})
  peravin_tool_def_text(${path} title title)
  peravin_tool_def_text(${path} category category)
  if(NOT category IN_LIST categories)
    message(FATAL_ERROR "${path}: category ${category} is not one of the suite's")
  endif()
  string(APPEND lines_${category} "${program}.exe|${title}|${category}\n")
endforeach()
foreach(category IN LISTS categories)
  string(APPEND text "${lines_${category}}")
endforeach()

file(WRITE ${OUTPUT}.new "${text}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
