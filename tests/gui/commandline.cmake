# Runs the designer with no display at all: --help and --version answer, a plain start
# says in one line what is missing and how to get a picture instead.
set(bare "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
         --unset=QT_QPA_PLATFORM "${DESIGNER}")
execute_process(COMMAND ${bare} --version RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "Quorvalle Developer 21 21")
  message(FATAL_ERROR "--version failed (${result}): ${out}${err}")
endif()
execute_process(COMMAND ${bare} --help RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "--screenshot" OR NOT out MATCHES "--app-folder")
  message(FATAL_ERROR "--help failed (${result}): ${out}${err}")
endif()
execute_process(COMMAND ${bare} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(STRIP "${err}" err)
if(NOT result EQUAL 1 OR NOT err MATCHES "needs a graphical session" OR NOT err MATCHES "--screenshot"
   OR err MATCHES "\n")
  message(FATAL_ERROR "a start without a display did not say so in one line (${result}): ${err}")
endif()

# A screenshot goes where projects go: only a regular file is replaced, so a pipe is refused
# at once instead of hanging the program.
set(work "${CMAKE_CURRENT_BINARY_DIR}/commandline-work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND mkfifo "${work}/pipe" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "mkfifo failed")
endif()
set(offscreen "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${DESIGNER}")
execute_process(COMMAND ${offscreen} --screenshot "${work}/pipe" TIMEOUT 60
  RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 1 OR NOT err MATCHES "${work}/pipe.*not a regular file")
  message(FATAL_ERROR "--screenshot to a pipe was not refused (${result}): ${err}")
endif()
execute_process(COMMAND ${offscreen} --screenshot "${work}/shot.png" RESULT_VARIABLE result
  ERROR_VARIABLE err)
file(READ "${work}/shot.png" signature LIMIT 8 HEX)
if(NOT result EQUAL 0 OR NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "--screenshot wrote no PNG (${result}): ${err}")
endif()
file(REMOVE_RECURSE "${work}")
