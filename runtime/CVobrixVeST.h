// The runtime's back-pointer to the shell that owns it (not owned here): an
// opaque handle for the VeST* services.
#pragma once

#include "CVobrixMemory.h"

class VeSTShell;

class CVobrixVeST : public CVobrixMemory {
  public:
    VeSTShell* shell = nullptr;
};
