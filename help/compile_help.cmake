# cmake -P script: compiles the help project in a copy of the sources (the compiler
# writes its output beside the project file) and fails on any complaint, since a
# warning from the compiler means a broken link or a missing page.
#   -D CHMCMD=...  -D SOURCE_DIR=...  -D STAGING_DIR=...  -D OUTPUT=.../TovanHelp.chm

file(REMOVE_RECURSE ${STAGING_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${STAGING_DIR}
  FILES_MATCHING PATTERN "*.hhp" PATTERN "*.hhc" PATTERN "*.html" PATTERN "*.css" PATTERN "*.png")

execute_process(
  COMMAND ${CHMCMD} --html-scan tovan.hhp
  WORKING_DIRECTORY ${STAGING_DIR}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)

set(compiled ${STAGING_DIR}/TovanHelp.chm)
set(problem "")
if(NOT status EQUAL 0)
  set(problem "chmcmd exited with status ${status}")
elseif(output MATCHES "(Warning|Error|Hint)" OR errors MATCHES "(Warning|Error|exception)")
  set(problem "chmcmd reported problems")
elseif(NOT EXISTS ${compiled})
  set(problem "chmcmd wrote no ${compiled}")
else()
  file(SIZE ${compiled} size)
  if(size EQUAL 0)
    set(problem "chmcmd wrote an empty ${compiled}")
  endif()
endif()
if(problem)
  message(FATAL_ERROR "${problem}\n${output}\n${errors}")
endif()

file(COPY_FILE ${compiled} ${OUTPUT})
