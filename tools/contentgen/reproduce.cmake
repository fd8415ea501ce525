# Runs contentgen into a fresh folder and compares every file it writes, byte for byte,
# with the committed content. Takes CONTENTGEN, EXPECTED and OUTDIR.
file(REMOVE_RECURSE "${OUTDIR}")
file(MAKE_DIRECTORY "${OUTDIR}")
execute_process(COMMAND "${CONTENTGEN}" "${OUTDIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "contentgen failed: ${status}")
endif()

file(GLOB_RECURSE written RELATIVE "${OUTDIR}" "${OUTDIR}/*")
list(LENGTH written count)
if(count EQUAL 0)
  message(FATAL_ERROR "contentgen wrote nothing into ${OUTDIR}")
endif()

set(problems "")
foreach(name IN LISTS written)
  if(NOT EXISTS "${EXPECTED}/${name}")
    list(APPEND problems "missing from content: ${name}")
    continue()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                          "${OUTDIR}/${name}" "${EXPECTED}/${name}"
                  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT differs EQUAL 0)
    list(APPEND problems "differs from content: ${name}")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "contentgen output does not match ${EXPECTED}:\n  ${report}\n"
                      "Run contentgen into content/ and commit the result if the change is meant.")
endif()
message(STATUS "${count} files match ${EXPECTED}")
