// The groups of torture cases, each adding its cases to the run's list.
#pragma once

#include "CaseRunner.h"

#include <vector>

namespace torture {

void addAudioCases(std::vector<Case>& cases);
void addStateCases(std::vector<Case>& cases);
void addInstanceCases(std::vector<Case>& cases);
// Needs DISPLAY naming a running X server.
void addEditorCases(std::vector<Case>& cases);

} // namespace torture
