# Configures the project in BUILD_DIR with a private link from LIBRARY to LINK
# added, and expects configuration to fail for that link and no other reason.
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G ${GENERATOR}
        -DCMAKE_CXX_COMPILER=${COMPILER} -DDRAVO_LAYERING_PROBE=${LIBRARY}:${LINK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(result EQUAL 0)
    message(FATAL_ERROR "The project configured with ${LIBRARY} linking ${LINK}")
endif()
string(FIND "${output}" "${LIBRARY} may not link ${LINK}\n" at)
if(at EQUAL -1)
    message(FATAL_ERROR "Configuration failed for another reason than ${LIBRARY} linking ${LINK}:\n${output}")
endif()
