// The test host's cases: each a named function that throws CaseFailure on
// its first failed check. One line per case is printed by the runner.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct CaseFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void check(bool condition, const std::string& what) {
    if (!condition) throw CaseFailure(what);
}

struct Case {
    std::string name;
    std::function<void()> run;
};

// Notes a measured figure on the case's line.
void note(const std::string& text);

struct HostOptions {
    std::string dllPath;
    std::string audioOut;   // where the float render of the fixed input goes
    std::string pictureOut; // folder for the captured and offscreen pictures
    std::string vst3Path;   // the VST 3 library; empty: the build's bundle beside the DLL
    int systemDpi = 96;     // the DPI the system is set to for this run
    std::string clapPath{}; // the CLAP library; empty: Gravelo.clap beside the DLL
};

void addHostCases(std::vector<Case>& cases, const HostOptions& options);
void addEditorCases(std::vector<Case>& cases, const HostOptions& options);
void addDropCases(std::vector<Case>& cases, const HostOptions& options);
void addToolkitCases(std::vector<Case>& cases);
void addClapCases(std::vector<Case>& cases, const HostOptions& options);
void addVst3Cases(std::vector<Case>& cases, const HostOptions& options);
// The content-scale cases of each format, run at 96 DPI with the others and
// again on their own at 192 DPI (wintesthost --scaled).
void addScaleCases(std::vector<Case>& cases, const HostOptions& options);
void addClapScaleCases(std::vector<Case>& cases, const HostOptions& options);
void addVst3ScaleCases(std::vector<Case>& cases, const HostOptions& options);
