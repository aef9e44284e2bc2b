# Fails when the program carries an application manifest: without one the
# common controls keep their classic look.
#   cmake -DWINDRES=<windres> -DPROGRAM=<exe> -P NoManifest.cmake
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc
                RESULT_VARIABLE Result OUTPUT_VARIABLE Resources ERROR_VARIABLE Errors)
if(NOT Result EQUAL 0)
  # A program without any resources has no manifest either.
  if(Errors MATCHES "no resource section")
    return()
  endif()
  message(FATAL_ERROR "windres could not read ${PROGRAM}: ${Errors}")
endif()
if(Resources MATCHES "Type: 24|RT_MANIFEST")
  message(FATAL_ERROR "${PROGRAM} carries a manifest resource")
endif()
