// The fixed table through which the shell reaches the runtime. Each entry
// takes the shell first; a null entry makes the shell do nothing (answer 0).
#pragma once

#include "VstInterface.h"

class CVeST;

struct VeSTCallbacks {
    void (*onCreate)(CVeST*);                                                                 // 0
    void (*onDestroy)(CVeST*);                                                                // 1
    void (*onOpen)(CVeST*);                                                                   // 2
    void (*onSuspend)(CVeST*);                                                                // 3
    void (*onResume)(CVeST*);                                                                 // 4
    void (*onEditorIdle)(CVeST*);                                                             // 5
    void (*onClose)(CVeST*);                                                                  // 6
    void (*onDraw)(CVeST*, double width, double height);                                      // 7
    void (*onMouseDown)(CVeST*, double x, double y, VstInt32 buttons);                        // 8
    void (*onMouseUp)(CVeST*, double x, double y, VstInt32 buttons);                          // 9
    void (*onMouseMoved)(CVeST*, double x, double y, VstInt32 buttons);                       // 10
    void (*onKeyDown)(CVeST*, VstInt32 character, VstInt32 modifiers, VstInt32 virtualKey);   // 11
    void (*onKeyUp)(CVeST*, VstInt32 character, VstInt32 modifiers, VstInt32 virtualKey);     // 12
    VstInt32 (*getVendorVersion)(CVeST*);                                                     // 13
    VstInt32 (*getVendorString)(CVeST*, char* text);                                          // 14
    VstInt32 (*getProductString)(CVeST*, char* text);                                         // 15
    VstInt32 (*getEffectName)(CVeST*, char* text);                                            // 16
    void (*getProgramName)(CVeST*, char* text);                                               // 17
    void (*setProgramName)(CVeST*, const char* text);                                         // 18
    VstInt32 (*getProgramNameIndexed)(CVeST*, VstInt32 category, VstInt32 index, char* text); // 19
    double (*getParameter)(CVeST*, VstInt32 index);                                           // 20
    void (*setParameter)(CVeST*, VstInt32 index, double value);                               // 21
    void (*getParameterName)(CVeST*, VstInt32 index, char* text);                             // 22
    void (*getParameterLabel)(CVeST*, VstInt32 index, char* text);                            // 23
    void (*getParameterDisplay)(CVeST*, VstInt32 index, char* text);                          // 24
    void (*processReplacing)(CVeST*, float** inputs, float** outputs, VstInt32 frames);       // 25
    void (*processDoubleReplacing)(CVeST*, double** inputs, double** outputs,
                                   VstInt32 frames);                            // 26
    VstInt32 (*getChunk)(CVeST*, void** data, bool isPreset);                   // 27
    VstInt32 (*setChunk)(CVeST*, void* data, VstInt32 byteSize, bool isPreset); // 28
};

static_assert(sizeof(VeSTCallbacks) == 29 * sizeof(void (*)()));
