# vellox-cli resave must never write an empty list over a list file it could
# not read: a list of another format version opens as an empty list.
# Run as: cmake -DCLI=<vellox-cli> -DWORK=<folder> -P this file
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(list "${WORK}/Newer.bkl")
set(content "VELLOXFL/B/0/9/salt/\r\nLines of a newer format that must survive\r\n")
file(WRITE "${list}" "${content}")
file(SHA256 "${list}" before)
execute_process(COMMAND "${CLI}" resave "${list}" "${list}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(SHA256 "${list}" after)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "resave exited ${status}, expected 1:\n${output}")
endif()
if(NOT output MATCHES "result: OtherVersion")
  message(FATAL_ERROR "resave printed:\n${output}")
endif()
if(NOT after STREQUAL before)
  message(FATAL_ERROR "the list file changed")
endif()
