# qv_library(<target> [DEPS <libs>...] [EXCLUDE <files>...])
# A library made of every .cpp/.h/.qrc in the calling folder (not its subfolders), so that
# adding a class never needs a CMake edit; EXCLUDE names files of the folder that belong to
# something else (an executable's main). The project root is the include root for everyone
# ("document/Units.h").
function(qv_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(NOT compiled)
    # A folder whose classes are still to come: an interface library keeps the graph intact.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# qv_gtest(<target> [DEPS <libs>...] [QT] [PROPERTIES <name> <value>...])
# A test executable from every .cpp in the calling folder, registered with CTest test by test.
# QT: the executable gets a QApplication (offscreen unless told otherwise) before the tests run.
# PROPERTIES: more CTest properties of every test (a fixture the tests need, say).
function(qv_gtest target)
  cmake_parse_arguments(ARG "QT" "" "DEPS;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(ARG_QT)
    target_link_libraries(${target} PRIVATE qv_testsupport)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  # The tests' environment comes through env(1): gtest_discover_tests splits a PROPERTIES
  # ENVIRONMENT list at its semicolons, which kept all but the first variable from the tests.
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
    "env;QT_QPA_PLATFORM=offscreen;QV_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300 ${ARG_PROPERTIES})
endfunction()
