# Builds the example into WORK/Orders with the embedded runtime, then runs the built
# Orders.exe: --dump must show the design, --screenshot must write a picture.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CLI}" build "${PROJECT}" --name Orders --out "${WORK}" --setup
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "build failed (${result}): ${err}")
endif()
if(NOT err MATCHES "installer was not made")
  message(FATAL_ERROR "the missing installer compiler was not reported: ${err}")
endif()
set(exe "${WORK}/Orders/Orders.exe")
foreach(kept "${exe}" "${WORK}/Orders/Orders.iss" "${WORK}/Orders/Orders1.ico")
  if(NOT EXISTS "${kept}")
    message(FATAL_ERROR "${kept} is missing")
  endif()
endforeach()
execute_process(COMMAND "${exe}" --dump RESULT_VARIABLE result OUTPUT_VARIABLE dump ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "--dump failed (${result}): ${err}")
endif()
foreach(expected "title: Order Form" "company: Example Shop Ltd" "original file: Orders.exe"
                 "icon: patched" "field 4 page 0 at 110,180 size 100x22: Total = F2\\*F3"
                 "key F2: Thank you for your order." "report 1: Order sheet"
                 "picture 0 page 0: logo file Orders1.ico \\(766 bytes\\)")
  if(NOT dump MATCHES "${expected}")
    message(FATAL_ERROR "--dump lacks \"${expected}\":\n${dump}")
  endif()
endforeach()
execute_process(COMMAND "${exe}" --screenshot "${WORK}/Orders.png" RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/Orders.png")
  message(FATAL_ERROR "--screenshot failed (${result}): ${err}")
endif()
# A screenshot only looks: it makes no records file.
if(EXISTS "${WORK}/Orders/Orders.db")
  message(FATAL_ERROR "--screenshot made the records file ${WORK}/Orders/Orders.db")
endif()

# A name without a known image extension gets a PNG, as in the designer.
execute_process(COMMAND "${exe}" --screenshot "${WORK}/Orders.shot" RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/Orders.shot")
  message(FATAL_ERROR "--screenshot to a name without extension failed (${result}): ${err}")
endif()
file(READ "${WORK}/Orders.shot" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "--screenshot wrote no PNG: ${signature}")
endif()

# A screenshot named after a pipe is refused at once: nothing blocks on it or replaces it.
execute_process(COMMAND mkfifo "${WORK}/pipe" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "mkfifo failed")
endif()
execute_process(COMMAND "${exe}" --screenshot "${WORK}/pipe" TIMEOUT 60
  RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 1 OR NOT err MATCHES "${WORK}/pipe.*not a regular file")
  message(FATAL_ERROR "--screenshot to a pipe was not refused (${result}): ${err}")
endif()
if(IS_DIRECTORY "${WORK}/pipe" OR NOT EXISTS "${WORK}/pipe")
  message(FATAL_ERROR "--screenshot to a pipe removed it")
endif()

# A file that is no 16-colour 32 x 32 icon is refused with the dialog's message, and nothing
# is built.
execute_process(COMMAND "${CLI}" build "${PROJECT}" --name Refused --out "${WORK}" --icon "${PROJECT}"
  RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 1 OR NOT err MATCHES "Icon does not meet Certain Windows Standards")
  message(FATAL_ERROR "a bad icon was not refused (${result}): ${err}")
endif()
if(EXISTS "${WORK}/Refused")
  message(FATAL_ERROR "a refused build wrote ${WORK}/Refused")
endif()
