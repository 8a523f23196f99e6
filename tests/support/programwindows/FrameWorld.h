#pragma once
// What a test of the frame or the main window needs around the program's windows: a
// temporary program folder with its services, a product web server address (a fake
// server's, or a port where nothing listens), short time limits, fresh program-wide
// toolbar and gradient state, and every window destroyed at the end.
#include "TempProgramFolder.h"

#include <QString>

class FrameWorld {
public:
    static constexpr double kTimeScale = 0.05;

    // webServerBase empty: the folder's own, a local port where nothing listens.
    explicit FrameWorld(const QString& webServerBase = {});
    ~FrameWorld();

    TempProgramFolder& folder() { return folder_; }

    // Writes a file of the program folder as it stands.
    void writeProgramFile(const QString& name, const QByteArray& content);

private:
    TempProgramFolder folder_;
};
