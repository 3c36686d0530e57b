# Lints every QML example of the component pages against the built module:
#   cmake -DQMLLINT=<qmllint> -DIMPORT_DIR=<folder holding Quil/> -DEXAMPLES=<folder> -P LintQmlExamples.cmake
# qmllint's exit status does not tell a warning from a clean file in every Qt
# release, so its report is read: any warning or error fails the docs build.
file(GLOB _examples ${EXAMPLES}/*.qml)
if(NOT _examples)
  message(FATAL_ERROR "no QML examples in ${EXAMPLES}")
endif()
set(_faults 0)
foreach(_example ${_examples})
  execute_process(COMMAND ${QMLLINT} -I ${IMPORT_DIR} ${_example}
                  RESULT_VARIABLE _status OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
  if(NOT _status EQUAL 0 OR _out MATCHES "Warning|Error")
    message("${_example}:\n${_out}")
    math(EXPR _faults "${_faults} + 1")
  endif()
endforeach()
if(_faults)
  message(FATAL_ERROR "${_faults} QML example(s) do not lint clean")
endif()
