# quillmark_set_warnings(<target>)
#
# The warning set every Quillmark target is built with. QUILLMARK_WARNINGS_AS_ERRORS (ON in
# the presets, and so in CI) makes each of them an error.
function(quillmark_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
    if(QUILLMARK_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
    if(QUILLMARK_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()
