# The LV2 DSP binary needs no window system or drawing library (hosts load
# it in processes without a display).
execute_process(COMMAND readelf -d ${PLUGIN} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${PLUGIN}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
foreach(library IN LISTS needed)
    if(library MATCHES "libX|libxcb|cairo|fontconfig|freetype|pixman|png")
        message(FATAL_ERROR "the DSP binary links ${library}")
    endif()
endforeach()

execute_process(COMMAND nm -D --undefined-only ${PLUGIN} OUTPUT_VARIABLE undefined)
if(undefined MATCHES "[ \n](X[A-Z][A-Za-z]+|cairo_[a-z_]+|Fc[A-Z][A-Za-z]+)")
    message(FATAL_ERROR "the DSP binary calls ${CMAKE_MATCH_1}")
endif()

message(STATUS "needed: ${needed}")
