# The images the generator draws today are byte for byte the ones in
# resources/ (which the build embeds or installs): the images at scale 1
# have not changed, the larger ones and the icons are not stale. Run with
# -DTOOL=<generator> -DRESOURCES=<folder> -DOUT=<scratch folder>.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()

# The files matching `pattern` are the `expected` ones in both folders, and
# the same bytes.
function(compare_drawn pattern expected what)
    file(GLOB drawn RELATIVE "${OUT}" "${OUT}/${pattern}")
    file(GLOB kept RELATIVE "${RESOURCES}" "${RESOURCES}/${pattern}")
    list(LENGTH drawn count)
    if(NOT count EQUAL expected)
        message(FATAL_ERROR "${what} expected, the generator drew ${count}")
    endif()
    if(NOT drawn STREQUAL kept)
        message(FATAL_ERROR "resources/ holds ${kept}, the generator draws ${drawn}")
    endif()
    foreach(name IN LISTS drawn)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}"
                                "${RESOURCES}/${name}" RESULT_VARIABLE different)
        if(different)
            message(SEND_ERROR "${name} differs from the generator's drawing")
        endif()
    endforeach()
endfunction()

compare_drawn("*.png" 15 "five images at three scales")
compare_drawn("icons/*" 8 "the icon at seven sizes and as one .ico")
file(REMOVE_RECURSE "${OUT}")
