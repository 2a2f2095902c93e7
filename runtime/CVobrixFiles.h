// File streams (stream 0 carries the state chunk), the path rule that puts
// every named file in the plug-in's folder, folder listing and the log.
#pragma once

#include "CVobrixStrings.h"
#include "FileStream.h"

#include <string>
#include <vector>

class CVobrixFiles : public CVobrixStrings {
  public:
    CVobrixFiles();
    ~CVobrixFiles() override;

    FileStream& stateStream() { return streams[0]; }
    FileStream* streamAt(double number);

    // Moves one value between the stream and `variable`, by the stream's mode.
    void streamValue(FileStream& stream, double& variable);
    // Writes a named write stream to disk as bytes, then resets the stream.
    void closeFile(FileStream& stream);

    // The plug-in's folder followed by `name` (one leading separator dropped).
    std::string resolvePath(const std::string& name) const;
    // Bare names of the regular files in `folder` (resolved), in listing order.
    std::vector<std::string> listFolder(const std::string& folder) const;
    // Appends one line to the diagnostics log; silent when it cannot be opened.
    void writeLog(const std::string& text) const;

    std::vector<FileStream> streams;

    // Where files and the log live. Set from the platform at construction;
    // tests point them elsewhere.
    std::string moduleDirectory;
    std::string logPath;
};
