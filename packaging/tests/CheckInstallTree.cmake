# Installs the build into a fresh prefix and compares the files that arrive with the expected
# list. Variables: BUILD_DIR, PREFIX, EXPECTED.

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)

set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
  list(JOIN missing "\n  " missing)
  list(JOIN unexpected "\n  " unexpected)
  message(FATAL_ERROR "The installed files differ from ${EXPECTED}.\n"
                      "Missing:\n  ${missing}\nUnexpected:\n  ${unexpected}")
endif()

# Installing copies permissions from the build; a program that arrives without its execute bit
# would still be listed above.
file(STRINGS "${EXPECTED}" programs REGEX "^(bin|games)/vorlakin$")
foreach(program ${programs})
  execute_process(COMMAND test -x "${PREFIX}/${program}" RESULT_VARIABLE not_executable)
  if(not_executable)
    message(FATAL_ERROR "${program} is installed but not executable")
  endif()
endforeach()
list(LENGTH expected count)
message(STATUS "Installed exactly the ${count} expected files")
