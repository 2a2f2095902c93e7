# Installs the build into a fresh PREFIX and checks where everything went.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path lib/vst/Gravelo.so lib/clap/Gravelo.clap lib/lv2/Gravelo.lv2/manifest.ttl
             lib/lv2/Gravelo.lv2/gravelo.so lib/lv2/Gravelo.lv2/gravelo_ui.so
             lib/vst3/Gravelo.vst3/Contents/x86_64-linux/Gravelo.so
             lib/vst3/Gravelo.vst3/Contents/Resources/moduleinfo.json
             "share/vst3/presets/Morvane/Gravelo I/growl.vstpreset"
             bin/gravelo-render bin/gravelo-panel bin/gravelo-info bin/gravelo-amp
             share/applications/gravelo-amp.desktop share/icons/hicolor/48x48/apps/gravelo-amp.png
             share/icons/hicolor/256x256/apps/gravelo-amp.png)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
# Builds with help2man (not the sanitizer builds) write the manual pages.
if(MAN_PAGES)
    foreach(program gravelo-amp gravelo-render gravelo-panel gravelo-info)
        if(NOT EXISTS "${PREFIX}/share/man/man1/${program}.1")
            message(FATAL_ERROR "no manual page installed for ${program}")
        endif()
    endforeach()
endif()
# The demo recording's tool is for developers, not for the releases.
if(EXISTS "${PREFIX}/bin/gravelo-make-demo")
    message(FATAL_ERROR "gravelo-make-demo was installed")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed as hosts expect")
