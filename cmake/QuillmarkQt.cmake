# quillmark_set_qt_defaults(<target>)
#
# What every Qt target of the editor is built with: the project's warnings, and no silent
# conversions between 8-bit strings and QString (they would pick an encoding behind the
# reader's back; RTF and file names must say which one they mean).
include_guard(GLOBAL)
include(QuillmarkWarnings)

function(quillmark_set_qt_defaults target)
  quillmark_set_warnings(${target})
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH)
endfunction()

# quillmark_add_editor_part(<name> SOURCES <file>... [PUBLIC <target>...] [PRIVATE <target>...])
#
# One part of the editor in a folder of its own under editor/: the static library
# quillmark_<name> (alias quillmark::<name>) from SOURCES, with the Qt defaults above, linked
# with the PUBLIC and PRIVATE targets. Its headers are included by folder from editor/
# ("post/PostBuilder.h"), as every part's are.
function(quillmark_add_editor_part name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
  if(NOT arg_SOURCES OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quillmark_add_editor_part(${name} SOURCES ... [PUBLIC ...] [PRIVATE ...])")
  endif()
  add_library(quillmark_${name} STATIC ${arg_SOURCES})
  add_library(quillmark::${name} ALIAS quillmark_${name})
  target_include_directories(quillmark_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(quillmark_${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
  quillmark_set_qt_defaults(quillmark_${name})
endfunction()
