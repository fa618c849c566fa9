# The help file VelloxFl.chm, compiled from the HTML sources in help/ by
# chmcmd (Debian's fp-utils) into the folder of VelloxFl.exe, where setup
# finds it. chmcmd runs in a scratch folder because it leaves a work file
# in its current folder.
find_program(VELLOX_CHMCMD chmcmd)
file(GLOB help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(help_file ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/VelloxFl.chm)
if(VELLOX_CHMCMD)
  set(help_work ${CMAKE_BINARY_DIR}/help_work)
  file(MAKE_DIRECTORY ${help_work})
  add_custom_command(OUTPUT ${help_file}
    COMMAND ${VELLOX_CHMCMD} --no-html-scan ${CMAKE_SOURCE_DIR}/help/VelloxFl.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${help_work}/VelloxFl.chm ${help_file}
    WORKING_DIRECTORY ${help_work}
    DEPENDS ${help_sources}
    COMMENT "Compiling the help file VelloxFl.chm")
  add_custom_target(vellox_help ALL DEPENDS ${help_file})
else()
  message(WARNING "chmcmd not found (Debian package fp-utils): VelloxFl.chm is not built")
endif()
