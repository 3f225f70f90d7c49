# Writes a source whose second include climbs with "../" into PROBE_DIR, and
# expects the include check of scripts/format.sh to fail naming that line alone.
file(REMOVE_RECURSE ${PROBE_DIR})
file(WRITE ${PROBE_DIR}/Climbing.cpp "#include \"platform/text/String.h\"\n#include \"../wizard/Window1.h\"\n")
execute_process(
    COMMAND bash ${SOURCE_DIR}/scripts/format.sh --check-includes ${PROBE_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(result EQUAL 0)
    message(FATAL_ERROR "The include check passed an include that climbs with \"../\"")
endif()
if(NOT output MATCHES "Climbing.cpp:2:" OR output MATCHES "Climbing.cpp:1:")
    message(FATAL_ERROR "The include check should name line 2 of Climbing.cpp alone:\n${output}")
endif()
