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
