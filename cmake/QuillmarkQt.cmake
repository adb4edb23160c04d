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
