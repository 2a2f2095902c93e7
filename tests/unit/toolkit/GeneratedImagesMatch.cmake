# The images the generator draws today are byte for byte the ones in
# resources/ (which the build embeds): the images at scale 1 have not
# changed and the larger ones are not stale. Run with -DTOOL=<generator>
# -DRESOURCES=<folder> -DOUT=<scratch folder>.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
file(GLOB drawn RELATIVE "${OUT}" "${OUT}/*.png")
file(GLOB kept RELATIVE "${RESOURCES}" "${RESOURCES}/*.png")
list(LENGTH drawn count)
if(NOT count EQUAL 15)
    message(FATAL_ERROR "five images at three scales expected, the generator drew ${count}")
endif()
if(NOT drawn STREQUAL kept)
    message(FATAL_ERROR "resources/ holds ${kept}, the generator draws ${drawn}")
endif()
foreach(name IN LISTS drawn)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}" "${RESOURCES}/${name}"
                    RESULT_VARIABLE different)
    if(different)
        message(SEND_ERROR "${name} differs from the generator's drawing")
    endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
