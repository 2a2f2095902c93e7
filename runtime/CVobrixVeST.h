// The runtime's back-pointer to the shell that owns it (not owned here).
#pragma once

#include "CVobrixMemory.h"

class CVeST;

class CVobrixVeST : public CVobrixMemory {
  public:
    CVeST* shell = nullptr;
};
