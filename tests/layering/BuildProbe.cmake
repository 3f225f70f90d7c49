# Builds the probe TARGET in BUILD_DIR. EXPECT=pass: the build succeeds.
# EXPECT=fail: it fails because HEADER cannot be found, and for no other reason.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(EXPECT STREQUAL "pass")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TARGET} should build:\n${output}")
    endif()
    return()
endif()

if(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} built, yet its include of ${HEADER} is forbidden")
endif()
string(FIND "${output}" "${HEADER}" at)
if(at EQUAL -1 OR NOT output MATCHES "No such file or directory|file not found")
    message(FATAL_ERROR "${TARGET} failed for another reason than ${HEADER}:\n${output}")
endif()
