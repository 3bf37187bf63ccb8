# The texts of the suite's programs as their source files write them. The
# package list and each program's version record read them here, so both
# always say the same.
#   peravin_tool_def_text(SOURCE FIELD VARIABLE)   a text of the ToolDef in SOURCE:
#                                                   the line `    .FIELD = L"...",`
#   peravin_launcher_title(TEXTS VARIABLE)          the launcher's title in TEXTS:
#                                                   `const wchar_t kLauncherTitle[] = L"...";`
# A text with a quote or a backslash escape is refused: it would not read
# the same in C++ and in the files made from it.

function(peravin_tool_def_text path field variable)
  file(READ ${path} source)
  if(NOT source MATCHES "\n    \\.${field} = L\"([^\"\\\\]*)\",")
    message(FATAL_ERROR "${path}: no .${field} = L\"...\" line")
  endif()
  set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(peravin_launcher_title path variable)
  file(READ ${path} source)
  if(NOT source MATCHES "\nconst wchar_t kLauncherTitle\\[\\] = L\"([^\"\\\\]*)\";")
    message(FATAL_ERROR "${path}: no kLauncherTitle")
  endif()
  set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
