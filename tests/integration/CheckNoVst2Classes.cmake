# A plug-in of another format carries no class of the VST 2.x interface:
# no AudioEffect, AudioEffectX, AEffEditor or AEffGUIEditor symbol, local
# ones included. NM names the tool (nm, or a cross nm for a DLL).
if(NOT DEFINED NM)
    set(NM nm)
endif()
execute_process(COMMAND ${NM} -C ${PLUGIN} OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR table STREQUAL "")
    message(FATAL_ERROR "${NM} read no symbols from ${PLUGIN}")
endif()
string(REGEX MATCH "[^\n]*(AudioEffectX?|AEffEditor|AEffGUIEditor)::[^\n]*" found "${table}")
if(found)
    message(FATAL_ERROR "${PLUGIN} carries a VST 2.x class: ${found}")
endif()
message(STATUS "no VST 2.x class in ${PLUGIN}")
