# Third-party code is never committed: scripts/deps.sh unpacks Boost 1.81's
# headers and the SQLite amalgamation into third_party/ (git-ignored).

# Boost.Regex, header-only. Only the boost/ folder is exposed, so the cross
# compiler never sees the host's /usr/include.
find_path(VELLOX_BOOST_INCLUDE boost/regex.hpp
  PATHS ${VELLOX_THIRD_PARTY}/boost/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(vellox_boost INTERFACE)
target_include_directories(vellox_boost SYSTEM INTERFACE ${VELLOX_BOOST_INCLUDE})
# Standalone mode needs no Boost.System/threads (mingw's win32 thread model).
target_compile_definitions(vellox_boost INTERFACE BOOST_REGEX_STANDALONE)

# Two header-only JSON libraries from Debian: RapidJSON (rapidjson-dev), the
# fast event parser the importer reads "Bookmarks" files with, and JSON for
# Modern C++ (nlohmann-json3-dev), which the tests' reference export parses
# the same files with, so that the two are checked against each other. As
# with Boost, only their own folders are exposed, through a folder in the
# build tree holding links to them.
find_path(VELLOX_JSON_HOST_INCLUDE nlohmann/json.hpp
  PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VELLOX_RAPIDJSON_HOST_INCLUDE rapidjson/reader.h
  PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(VELLOX_JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${VELLOX_JSON_INCLUDE})
file(CREATE_LINK ${VELLOX_JSON_HOST_INCLUDE}/nlohmann ${VELLOX_JSON_INCLUDE}/nlohmann SYMBOLIC)
file(CREATE_LINK ${VELLOX_RAPIDJSON_HOST_INCLUDE}/rapidjson ${VELLOX_JSON_INCLUDE}/rapidjson SYMBOLIC)
add_library(vellox_json INTERFACE)
target_include_directories(vellox_json SYSTEM INTERFACE ${VELLOX_JSON_INCLUDE})

if(WIN32)
  find_file(VELLOX_SQLITE_SOURCE sqlite3.c
    PATHS ${VELLOX_THIRD_PARTY}/sqlite NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  add_library(vellox_sqlite STATIC ${VELLOX_SQLITE_SOURCE})
  get_filename_component(sqlite_dir ${VELLOX_SQLITE_SOURCE} DIRECTORY)
  target_include_directories(vellox_sqlite SYSTEM PUBLIC ${sqlite_dir})
  target_compile_definitions(vellox_sqlite PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_THREADSAFE=1)
  set_source_files_properties(${VELLOX_SQLITE_SOURCE} PROPERTIES COMPILE_OPTIONS "-O2;-w")
else()
  find_package(SQLite3 REQUIRED)
  add_library(vellox_sqlite INTERFACE)
  target_link_libraries(vellox_sqlite INTERFACE SQLite::SQLite3)
endif()

if(VELLOX_TESTS)
  if(WIN32 AND EXISTS /usr/src/googletest/CMakeLists.txt)
    # GoogleTest built from Debian's source package with the cross compiler.
    set(VELLOX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${VELLOX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)  # defines GTest::gtest
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# The site checker's requests: natively libcurl (Debian's
# libcurl4-openssl-dev), on Windows WinINet (linked by vellox_win).
if(NOT WIN32)
  find_package(CURL REQUIRED)
  find_package(Threads REQUIRED)
endif()
