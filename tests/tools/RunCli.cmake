# Runs tavrolin-cli as a script would, without a display, and compares its exit code, its
# output and its messages with what is expected. With LAYOUT the executable is first copied
# into WORK beside the demo's dat/ (the program folder it finds itself), with the shared
# folder in WORK/shared, registered by REGISTER in WORK's own registry unless NO_REGISTRY.
#
#   cmake -DCLI=exe [-DLAYOUT=ON -DWORK=dir -DDEMO=dir -DREGISTER=exe [-DNO_REGISTRY=ON]]
#         [-DARGS=a;b] [-DOUTPUT_FILE=file] -DEXPECT_CODE=n [-DGOLDEN=file]
#         [-DEXPECT_OUTPUT=regex] [-DEXPECT_ERROR=regex]
#         [-DEXPECT_FILE=name -DEXPECT_FILE_TEXT=regex] -P RunCli.cmake
# It runs in WORK when given; EXPECT_FILE names a file it must have written there.
set(env ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
set(cli ${CLI})
if(LAYOUT)
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK}/config)
    file(COPY ${DEMO}/dat DESTINATION ${WORK})
    file(COPY ${DEMO}/shared DESTINATION ${WORK})
    file(COPY ${CLI} DESTINATION ${WORK})
    get_filename_component(name ${CLI} NAME)
    set(cli ${WORK}/${name})
    list(APPEND env XDG_CONFIG_HOME=${WORK}/config)
    if(NOT NO_REGISTRY)
        execute_process(COMMAND ${env} ${REGISTER} ${WORK}/shared RESULT_VARIABLE code OUTPUT_QUIET)
        if(NOT code EQUAL 0)
            message(FATAL_ERROR "tavrolin-register failed")
        endif()
    endif()
endif()

if(WORK)
    set(in_work WORKING_DIRECTORY ${WORK})
endif()
if(OUTPUT_FILE)
    execute_process(COMMAND ${env} ${cli} ${ARGS} RESULT_VARIABLE code OUTPUT_FILE ${OUTPUT_FILE} ERROR_VARIABLE err)
else()
    execute_process(COMMAND ${env} ${cli} ${ARGS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
        ${in_work})
endif()
message("${out}${err}")
if(NOT code STREQUAL EXPECT_CODE)
    message(FATAL_ERROR "tavrolin-cli exited with ${code}, expected ${EXPECT_CODE}")
endif()
if(GOLDEN)
    file(READ ${GOLDEN} golden)
    if(NOT out STREQUAL golden)
        message(FATAL_ERROR "tavrolin-cli's output differs from ${GOLDEN}")
    endif()
endif()
if(DEFINED EXPECT_OUTPUT AND NOT out MATCHES "${EXPECT_OUTPUT}")
    message(FATAL_ERROR "tavrolin-cli's output does not match \"${EXPECT_OUTPUT}\"")
endif()
if(DEFINED EXPECT_ERROR AND NOT err MATCHES "${EXPECT_ERROR}")
    message(FATAL_ERROR "tavrolin-cli's messages do not match \"${EXPECT_ERROR}\"")
endif()
if(EXPECT_FILE)
    file(READ ${WORK}/${EXPECT_FILE} written)
    if(NOT written MATCHES "${EXPECT_FILE_TEXT}")
        message(FATAL_ERROR "${EXPECT_FILE} does not match \"${EXPECT_FILE_TEXT}\"")
    endif()
endif()
if(LAYOUT)
    file(REMOVE_RECURSE ${WORK})
endif()
