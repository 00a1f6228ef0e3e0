# Run by CPack on the staged files before it builds the package: strips the program as Debian's
# dh_strip does, which also drops the compiler's .comment and .note sections that a plain strip
# keeps.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file ${staged})
  if(file MATCHES "/(bin|games)/[^/]+$")
    execute_process(
      COMMAND "${CPACK_VORLAKIN_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "strip failed on ${file}")
    endif()
  endif()
endforeach()
