# Builds one example project into WORK/NAME and runs the built program: --dump must show
# the design's title, --screenshot must write a picture.
set(out "${WORK}/${NAME}")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CLI}" build "${PROJECT}" --name "${NAME}" --out "${WORK}"
  RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "building ${PROJECT} failed (${result}): ${err}")
endif()
execute_process(COMMAND "${out}/${NAME}.exe" --dump RESULT_VARIABLE result OUTPUT_VARIABLE dump
  ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT dump MATCHES "title: ")
  message(FATAL_ERROR "--dump of ${NAME} failed (${result}): ${err}\n${dump}")
endif()
execute_process(COMMAND "${out}/${NAME}.exe" --screenshot "${out}.png" RESULT_VARIABLE result
  ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS "${out}.png")
  message(FATAL_ERROR "--screenshot of ${NAME} failed (${result}): ${err}")
endif()
