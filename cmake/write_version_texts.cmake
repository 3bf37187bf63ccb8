# Writes the texts of a program's version record that come from its source,
# as a header the resource script includes: the program's title (a tool's
# ToolDef title, the launcher's title) is the file description that Explorer
# and Task Manager show. UTF-8, like the script.
#   cmake -DOUTPUT=FILE -DTOOL=TOOL_FILE -P write_version_texts.cmake
#   cmake -DOUTPUT=FILE -DLAUNCHER=TEXTS_FILE -P write_version_texts.cmake
include(${CMAKE_CURRENT_LIST_DIR}/program_texts.cmake)
if(LAUNCHER)
  set(source ${LAUNCHER})
  peravin_launcher_title(${source} title)
else()
  set(source ${TOOL})
  peravin_tool_def_text(${source} title title)
endif()
file(WRITE ${OUTPUT}.new "// Written by the build from ${source}.\n#define PERAVIN_PROGRAM_TITLE \"${title}\"\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
