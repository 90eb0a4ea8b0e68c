# Runs tavrolin-check and compares its exit code, and optionally its output, with what is
# expected. With COPY_OF the check runs on a fresh copy of that installation in WORK, in
# which REMOVE is deleted or REPLACE is overwritten by a line that is neither a picture nor
# a price list.
#
#   cmake -DCHECK=exe [-DARGS=a;b] [-DCOPY_OF=dir -DWORK=dir (-DREMOVE=file | -DREPLACE=file)]
#         -DEXPECT_CODE=n [-DEXPECT_OUTPUT=regex] -P RunCheck.cmake
if(COPY_OF)
    file(REMOVE_RECURSE ${WORK})
    file(COPY ${COPY_OF}/ DESTINATION ${WORK})
    if(REMOVE)
        file(REMOVE ${WORK}/${REMOVE})
    endif()
    if(REPLACE)
        file(WRITE ${WORK}/${REPLACE} "not a picture\n")
    endif()
    set(ARGS ${WORK})
endif()

execute_process(COMMAND ${CHECK} ${ARGS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT code STREQUAL EXPECT_CODE)
    message(FATAL_ERROR "tavrolin-check exited with ${code}, expected ${EXPECT_CODE}")
endif()
if(DEFINED EXPECT_OUTPUT AND NOT out MATCHES "${EXPECT_OUTPUT}")
    message(FATAL_ERROR "tavrolin-check's output does not match \"${EXPECT_OUTPUT}\"")
endif()
if(COPY_OF)
    file(REMOVE_RECURSE ${WORK})
endif()
