# A manual page in section 1 for each installed program, written by
# help2man from the program's own --help and --version, so the page says
# what the program does. Without help2man (or in a sanitizer build, whose
# programs report their leaks at exit) the pages are left out.
find_program(GRAVELO_HELP2MAN help2man)
if(GRAVELO_HELP2MAN AND GRAVELO_SANITIZE STREQUAL "" AND NOT CMAKE_CROSSCOMPILING)
    set(GRAVELO_MAN_PAGES ON)
else()
    set(GRAVELO_MAN_PAGES OFF)
endif()

# gravelo_man_page(<target> "<what it is, for the page's NAME line>")
function(gravelo_man_page target description)
    if(NOT GRAVELO_MAN_PAGES)
        return()
    endif()
    set(page ${PROJECT_BINARY_DIR}/man/${target}.1)
    # help2man dates the page by SOURCE_DATE_EPOCH when the release sets it.
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${GRAVELO_HELP2MAN} --no-info --section=1 --source=Morvane
                --name=${description} --output=${page} $<TARGET_FILE:${target}>
        DEPENDS ${target}
        COMMENT "Writing the manual page of ${target}"
        VERBATIM)
    add_custom_target(${target}_man ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION share/man/man1)
endfunction()
