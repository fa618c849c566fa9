# Source collection by folder and suffix, so that adding a file needs no
# edit here:
#   portable core   src/{list,view,search,exchange,browser,util,settings,checker}/*.cpp
#                   with their *_posix.cpp natively, and
#                   src/{platform,checker}/*_win.cpp on Windows
#   Win32 only      src/{app,ui,setup,framework}/**/*.cpp and every
#                   other *_win.cpp (not src/app/main.cpp)
# A new subsystem folder is added to one of the two lists when it is made.
set(VELLOX_CORE_DIRS list view search exchange browser util settings checker)
set(VELLOX_WIN_DIRS app ui setup framework)

function(vellox_collect_core_sources out)
  set(result "")
  foreach(dir ${VELLOX_CORE_DIRS} platform)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  list(FILTER result EXCLUDE REGEX "_win\\.cpp$")
  if(WIN32)
    list(FILTER result EXCLUDE REGEX "_posix\\.cpp$")
    # The site checker's probe too: the core's checks need it on both sides.
    file(GLOB platform_win CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/*_win.cpp
         ${CMAKE_SOURCE_DIR}/src/checker/*_win.cpp)
    list(APPEND result ${platform_win})
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(vellox_collect_win_sources out)
  set(result "")
  foreach(dir ${VELLOX_WIN_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  foreach(dir ${VELLOX_CORE_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*_win.cpp)
    list(APPEND result ${found})
  endforeach()
  list(FILTER result EXCLUDE REGEX "/src/app/main\\.cpp$")
  list(FILTER result EXCLUDE REGEX "/src/checker/")
  set(${out} ${result} PARENT_SCOPE)
endfunction()
