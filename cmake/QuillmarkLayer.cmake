# quillmark_add_layer(<name> SOURCES <file>... [DEPENDS <target>...])
#
# One Qt-free layer of the program (the engine, the formats): the static library
# quillmark_<name> and its alias quillmark::<name>, built from SOURCES with the project's
# warnings, its public headers in include/ and its private ones in src/; and
# quillmark_<name>_internals, the same library with src/ visible too, for the layer's own
# tests, benchmarks and fuzz targets only. DEPENDS are the layers it builds on.
include_guard(GLOBAL)
include(QuillmarkWarnings)

function(quillmark_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  if(NOT arg_SOURCES OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quillmark_add_layer(${name} SOURCES ... [DEPENDS ...])")
  endif()
  set(library quillmark_${name})
  add_library(${library} STATIC ${arg_SOURCES})
  add_library(quillmark::${name} ALIAS ${library})
  target_include_directories(${library} PUBLIC include PRIVATE src)
  target_link_libraries(${library} PUBLIC ${arg_DEPENDS})
  target_compile_features(${library} PUBLIC cxx_std_20)
  quillmark_set_warnings(${library})

  add_library(${library}_internals INTERFACE)
  target_include_directories(${library}_internals INTERFACE src)
  target_link_libraries(${library}_internals INTERFACE ${library})
endfunction()
