// Host parameters over the runtime's slider records (entries 20 to 24).
#pragma once

#include "VstInterface.h"

#include <string>
#include <vector>

class CVeST;

namespace parameterEntries {

double getParameter(CVeST* shell, VstInt32 index);
void setParameter(CVeST* shell, VstInt32 index, double value);
void getParameterName(CVeST* shell, VstInt32 index, char* text);
void getParameterLabel(CVeST* shell, VstInt32 index, char* text);
void getParameterDisplay(CVeST* shell, VstInt32 index, char* text);

// Snaps to the multiples of `step` counted from 0; half-way goes up.
double snapToStep(double value, double step);
// The display text of a slider value: "%.2f", or the enumeration label it falls on.
std::string displayText(double value, double minimum, double maximum,
                        const std::vector<std::string>& labels);

} // namespace parameterEntries
