# Installs the build into a fresh prefix and checks that the program arrived there.
file(REMOVE_RECURSE "${PREFIX}")
set(config_args)
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                        ${config_args}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
if(NOT EXISTS "${PREFIX}/${PROGRAM}" OR IS_DIRECTORY "${PREFIX}/${PROGRAM}")
    message(FATAL_ERROR "The install put no ${PROGRAM} under ${PREFIX}.")
endif()
file(REMOVE_RECURSE "${PREFIX}")
