# Generates a 100 KB post and converts it with quillmark-convert, which must succeed and write
# something. Run with cmake -P by the bench.smoke test.
foreach(required GENERATOR CONVERTER WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "Smoke.cmake needs -D${required}=...")
  endif()
endforeach()
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(COMMAND ${GENERATOR} 102400 OUTPUT_FILE ${WORK_DIR}/post.rtf
                RESULT_VARIABLE status)
file(SIZE ${WORK_DIR}/post.rtf size)
if(NOT status EQUAL 0 OR NOT size EQUAL 102400)
  message(FATAL_ERROR "quillmark-generate-post 102400: status ${status}, ${size} bytes written")
endif()

execute_process(COMMAND ${CONVERTER} ${WORK_DIR}/post.rtf OUTPUT_FILE ${WORK_DIR}/post.html
                RESULT_VARIABLE status)
file(SIZE ${WORK_DIR}/post.html size)
if(NOT status EQUAL 0 OR size EQUAL 0)
  message(FATAL_ERROR "quillmark-convert post.rtf: status ${status}, ${size} bytes written")
endif()
