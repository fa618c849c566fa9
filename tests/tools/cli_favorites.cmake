# vellox-cli export favorites and import favorites: a list written as a
# favorites folder (".url" files byte for byte, CR LF) and read back into a
# new list; a bookmark that needs a shell link is reported and skipped, and
# a ".lnk" file is skipped on import, where the system has no shell links.
# Run as: cmake -DCLI=<vellox-cli> -DWORK=<folder> -P this file
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/Favorites")

function(run expected)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "vellox-cli ${ARGN} exited ${status}, expected ${expected}:\n${output}${errors}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

# A list of one category, one subcategory and three bookmarks, one of them a
# program.
set(list "${WORK}/Links.bkl")
file(WRITE "${WORK}/links.html" "<DL><p>
<DT><H3>Reading</H3>
<DL><p>
<DT><H3>Web</H3>
<DL><p>
<DT><A HREF=\"https://example.org/a?b=1\">Example: one</A>
<DT><A HREF=\"C:\\Tools\\edit.exe /n notes.txt\">Editor</A>
<DT><A HREF=\"ftp://files.example/\">Files</A>
</DL><p>
</DL><p>
</DL><p>
")
run(0 import netscape "${WORK}/links.html" "${list}")

run(1 export favorites "${list}" "${WORK}/Favorites" --no-smartfolders)
if(NOT output MATCHES "skipped: Reading :: Web :: Editor \\(needs a shell link\\)\nresult: 0\n")
  message(FATAL_ERROR "export favorites printed:\n${output}")
endif()
file(READ "${WORK}/Favorites/Reading/Web/Example  one.url" bytes HEX)
file(WRITE "${WORK}/expected.url" "[InternetShortcut]\r\nURL=https://example.org/a?b=1\r\n")
file(READ "${WORK}/expected.url" expected HEX)
if(NOT bytes STREQUAL expected)
  message(FATAL_ERROR "the shortcut's bytes differ: ${bytes}")
endif()
if(EXISTS "${WORK}/Favorites/Reading/Web/Editor.lnk")
  message(FATAL_ERROR "a shell link was written")
endif()
if(EXISTS "${WORK}/Favorites/SmartFolders")
  message(FATAL_ERROR "the SmartFolders were exported")
endif()

# A shell link in the folder is skipped on import.
file(WRITE "${WORK}/Favorites/Reading/Web/Program.lnk" "not readable here")
run(0 import favorites "${WORK}/Favorites" "${WORK}/Back.bkl" --rating 2)
if(NOT output MATCHES "items: 4\nbookmarks: 2\n")
  message(FATAL_ERROR "import favorites printed:\n${output}")
endif()
run(0 search "${WORK}/Back.bkl" e --titles --rating-at-least 2)
if(NOT output MATCHES "Example  one\n.*Files\n.*matches: 2")
  message(FATAL_ERROR "the imported list holds:\n${output}")
endif()

run(1 export favorites "${list}" "${WORK}/Missing")
if(NOT output STREQUAL "result: -1\n")
  message(FATAL_ERROR "export to a missing folder printed:\n${output}")
endif()
run(2 export favorites "${list}")
