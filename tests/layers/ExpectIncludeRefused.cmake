# Builds one probe and passes only when the compiler refused its include: any other outcome
# (it compiled, or it failed for another reason) fails.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --target ${TARGET}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} compiled: a subsystem sees a header it must not")
endif()
if(NOT output MATCHES "fatal error: [^\n]*: No such file or directory")
  message(FATAL_ERROR "${TARGET} failed for another reason:\n${output}")
endif()
