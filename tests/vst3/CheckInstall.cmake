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
             bin/gravelo-render bin/gravelo-panel bin/gravelo-info)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed as hosts expect")
