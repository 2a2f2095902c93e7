# The panel images, the one list of them: an image's number is its place
# here. The toolkit embeds each (with its @2x / @3x drawings, where drawn),
# the Windows modules carry them as resources of a Gravelo.rc made from this
# list, and the effect names them by number from a table made from it.
set(GRAVELO_IMAGES
    knob.png
    knob2.png
    led.png
    bg.png
    knob3.png)
set(GRAVELO_IMAGE_SCALES 2 3)

# The generated files live in the build tree, rewritten only when they
# change (so nothing rebuilds for nothing); a change of this list reconfigures.
function(gravelo_write_if_changed path text)
    if(EXISTS ${path})
        file(READ ${path} old)
        if(old STREQUAL text)
            return()
        endif()
    endif()
    file(WRITE ${path} "${text}")
endfunction()
set(GRAVELO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
set(GRAVELO_RC ${GRAVELO_GENERATED_DIR}/Gravelo.rc)

set(rc_text "// Generated from resources/Images.cmake. The panel images, stored as
// resources of type \"DATA\" by number, and the same images drawn at twice
// and three times the size under the same numbers as types \"DATA2X\" and
// \"DATA3X\".\n")
set(effect_rows "")
set(number 0)
foreach(image IN LISTS GRAVELO_IMAGES)
    string(APPEND rc_text "${number} DATA \"${image}\"\n")
    string(APPEND effect_rows "    \"gravelo_gfx\\\\${image}\",\n")
    math(EXPR number "${number} + 1")
endforeach()
foreach(scale IN LISTS GRAVELO_IMAGE_SCALES)
    string(APPEND rc_text "\n")
    set(number 0)
    foreach(image IN LISTS GRAVELO_IMAGES)
        get_filename_component(stem ${image} NAME_WE)
        string(APPEND rc_text "${number} DATA${scale}X \"${stem}@${scale}x.png\"\n")
        math(EXPR number "${number} + 1")
    endforeach()
endforeach()
gravelo_write_if_changed(${GRAVELO_RC} "${rc_text}")
gravelo_write_if_changed(${GRAVELO_GENERATED_DIR}/ImageFiles.h
"// Generated from resources/Images.cmake: the effect's image files by
// number, as the VST 2.x runtime names them.
#pragma once

namespace gravelo::generated {

inline constexpr const char* kImageFiles[] = {
${effect_rows}};

} // namespace gravelo::generated
")
