# quillmark_add_test(<name> [QT] SOURCES <file>... [LIBS <target>...] [LABELS <label>...]
#                    [DATA <file>...])
#
# Builds a GoogleTest program <name> from SOURCES, linked with LIBS and gtest_main, with the
# project's warnings, and registers each of its tests with CTest under its GoogleTest name
# (Suite.Test), carrying LABELS. Tests run with the offscreen Qt platform, so none of them
# ever needs a display, and in the C locale, so that they see the program's English whatever
# the desktop's language. QT gives the program a main() that creates a QApplication first, and
# the Qt build settings.
#
# DATA names files the program reads its list of tests from (case files): the list is
# taken at build time, so a change to any of them rebuilds the program and lists it again.
# Glob them with CONFIGURE_DEPENDS so that a new file is seen too.
include_guard(GLOBAL)
include(GoogleTest)
include(QuillmarkWarnings)
include(QuillmarkQt)
find_package(GTest REQUIRED)

function(quillmark_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;LIBS;LABELS;DATA")
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "quillmark_add_test(${name}): SOURCES is required")
  endif()
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quillmark_add_test(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()

  add_executable(${name} ${arg_SOURCES})
  # The header-only helpers of tests/support are on every test program's path.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  if(arg_QT)
    target_link_libraries(${name} PRIVATE ${arg_LIBS} quillmark_qt_test_main)
    quillmark_set_qt_defaults(${name})
  else()
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main)
    quillmark_set_warnings(${name})
  endif()
  if(arg_DATA)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${arg_DATA})
  endif()

  # NO_PRETTY_VALUES keeps a parameterised test's name to its GoogleTest name, without a
  # printout of its parameter. The tests exist only once the program has run to list them,
  # so their properties are set by a script CTest includes after gtest_discover_tests' own
  # (its PROPERTIES would split a list of labels apart).
  gtest_discover_tests(${name} TEST_LIST ${name}_TESTS NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${script}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES\n"
    "    LABELS [==[${arg_LABELS}]==] ENVIRONMENT QT_QPA_PLATFORM=offscreen\n"
    "    ENVIRONMENT_MODIFICATION [==[LANG=set:C.UTF-8;LANGUAGE=unset:;LC_ALL=unset:;LC_MESSAGES=unset:]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
