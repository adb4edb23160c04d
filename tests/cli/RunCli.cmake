# Runs quillmark-convert once and checks everything it did. Run with cmake -P; registered by
# quillmark_cli_test() in CMakeLists.txt beside this file, which documents the variables.
#
# The program runs in WORK_DIR/run, emptied first; afterwards that directory must hold only
# out.html, and only when the test expects one, so a temporary file left behind fails it.

foreach(required PROGRAM WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "RunCli.cmake needs -D${required}=...")
  endif()
endforeach()
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

set(runDir ${WORK_DIR}/run)
set(stdoutFile ${WORK_DIR}/stdout)
set(stderrFile ${WORK_DIR}/stderr)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${runDir})

set(outputFile ${runDir}/out.html)
if(DEFINED OUTPUT_BEFORE)
  file(WRITE ${outputFile} "${OUTPUT_BEFORE}")
endif()
if(NOT DEFINED STDIN)
  # Never the terminal: a program waiting for input would hang the test.
  set(STDIN ${WORK_DIR}/empty-stdin)
  file(WRITE ${STDIN} "")
endif()
if(NOT DEFINED STDOUT_TO)
  set(STDOUT_TO ${stdoutFile})
endif()

# The messages checked are the program's English ones, whatever the desktop's language:
# --via-editor's reader speaks the desktop's.
set(ENV{LANG} C.UTF-8)
unset(ENV{LANGUAGE})
unset(ENV{LC_ALL})
unset(ENV{LC_MESSAGES})
execute_process(
  COMMAND ${PROGRAM} ${ARGS}
  WORKING_DIRECTORY ${runDir}
  INPUT_FILE ${STDIN}
  OUTPUT_FILE ${STDOUT_TO}
  ERROR_FILE ${stderrFile}
  RESULT_VARIABLE status)

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

# Byte-for-byte comparison of two files; shows both as text when they differ.
function(compare_file actualFile expectedFile what)
  if(NOT EXISTS ${expectedFile})
    fail("${what}: expected file ${expectedFile} does not exist")
  elseif(NOT EXISTS ${actualFile})
    fail("${what}: ${actualFile} was not written")
  else()
    file(READ ${actualFile} actual HEX)
    file(READ ${expectedFile} expected HEX)
    if(NOT actual STREQUAL expected)
      file(READ ${actualFile} actualText)
      file(READ ${expectedFile} expectedText)
      fail("${what} differs from ${expectedFile}\n--- expected ---\n${expectedText}\n--- actual ---\n${actualText}\n---")
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

if(NOT status STREQUAL STATUS)
  fail("exit status ${status}, expected ${STATUS}")
endif()

# Standard output: empty unless one of the STDOUT_* checks says what it holds.
if(STDOUT_TO STREQUAL stdoutFile)
  file(READ ${stdoutFile} stdout)
  if(DEFINED STDOUT_FILE)
    compare_file(${stdoutFile} ${STDOUT_FILE} "standard output")
  elseif(DEFINED STDOUT_LINE)
    if(NOT stdout STREQUAL "${STDOUT_LINE}\n")
      fail("standard output is '${stdout}', expected the line '${STDOUT_LINE}'")
    endif()
  elseif(DEFINED STDOUT_BEGINS)
    string(FIND "${stdout}" "${STDOUT_BEGINS}" at)
    if(NOT at EQUAL 0)
      fail("standard output does not begin with '${STDOUT_BEGINS}':\n${stdout}")
    endif()
  elseif(NOT DEFINED STDOUT_CONTAINS AND NOT DEFINED STDOUT_LACKS AND NOT stdout STREQUAL "")
    fail("standard output should be empty:\n${stdout}")
  endif()
  foreach(text IN LISTS STDOUT_CONTAINS)
    string(FIND "${stdout}" "${text}" at)
    if(at EQUAL -1)
      fail("standard output lacks '${text}':\n${stdout}")
    endif()
  endforeach()
  foreach(text IN LISTS STDOUT_LACKS)
    string(FIND "${stdout}" "${text}" at)
    if(NOT at EQUAL -1)
      fail("standard output should not contain '${text}':\n${stdout}")
    endif()
  endforeach()
endif()

# Standard error: empty, one line naming something, or the usage text.
file(READ ${stderrFile} stderr)
if(DEFINED STDERR_LINE)
  string(FIND "${stderr}" "\n" firstNewline)
  string(LENGTH "${stderr}" length)
  math(EXPR lastIndex "${length} - 1")
  string(FIND "${stderr}" "${STDERR_LINE}" at)
  if(NOT firstNewline EQUAL lastIndex OR at EQUAL -1)
    fail("standard error should be one line containing '${STDERR_LINE}':\n${stderr}")
  endif()
elseif(DEFINED STDERR_BEGINS)
  string(FIND "${stderr}" "${STDERR_BEGINS}" at)
  if(NOT at EQUAL 0)
    fail("standard error does not begin with '${STDERR_BEGINS}':\n${stderr}")
  endif()
elseif(NOT stderr STREQUAL "")
  fail("standard error should be empty:\n${stderr}")
endif()

# The -o file, and nothing else, in the run directory.
if(DEFINED OUTPUT_FILE)
  compare_file(${outputFile} ${OUTPUT_FILE} "out.html")
elseif(DEFINED OUTPUT_TEXT)
  file(READ ${outputFile} output)
  if(NOT output STREQUAL OUTPUT_TEXT)
    fail("out.html holds '${output}', expected '${OUTPUT_TEXT}'")
  endif()
endif()
set(expectedEntries "")
if(DEFINED OUTPUT_FILE OR DEFINED OUTPUT_TEXT OR DEFINED OUTPUT_BEFORE)
  set(expectedEntries "out.html")
endif()
file(GLOB entries RELATIVE ${runDir} ${runDir}/* ${runDir}/.*)
if(NOT entries STREQUAL expectedEntries)
  fail("the run directory holds '${entries}', expected '${expectedEntries}'")
endif()

if(failures)
  list(JOIN ARGS " " shownArgs)
  message(FATAL_ERROR "quillmark-convert ${shownArgs}\n${failures}")
endif()
