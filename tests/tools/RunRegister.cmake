# Runs tavrolin-register against a registry of its own and compares what it wrote.
#   cmake -DREGISTER=exe -DWORK=dir -P RunRegister.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/shared)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
execute_process(COMMAND ${REGISTER} --site http://127.0.0.1:8123 --program ${WORK}/prog ${WORK}/shared
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT code EQUAL 0)
    message(FATAL_ERROR "tavrolin-register exited with ${code}")
endif()
file(READ ${WORK}/config/Brimcor/registry.ini registry)
message("${registry}")
foreach(expected
        "Common%20Files\\\\Path=${WORK}/shared\n"
        "Common%20Files\\\\Site=http://127.0.0.1:8123\n"
        "Tavrolin\\\\MenuCaption=Tavrolin\n"
        "Tavrolin\\\\UpdateExe=tavrolin.deb\n"
        "Tavrolin\\\\Path=${WORK}/prog\n"
        "Tavrolin\\\\ExeName=tavrolin\n")
    if(NOT registry MATCHES "${expected}")
        message(FATAL_ERROR "the registry lacks ${expected}")
    endif()
endforeach()
execute_process(COMMAND ${REGISTER} --site ftp://elsewhere ${WORK}/shared RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 2)
    message(FATAL_ERROR "a site that is no web address was taken (exit ${code})")
endif()
file(REMOVE_RECURSE ${WORK})
