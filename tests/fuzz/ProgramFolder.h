#pragma once
// A program folder of the fuzz run's own, in a temporary folder (under TMPDIR, which
// scripts/fuzz points at memory), with message boxes that are counted instead of
// shown. Made on first use and kept for the whole run.
#include "FuzzSupport.h"

#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace fuzz {

class CountingDialogs final : public platform::Dialogs {
public:
    int messageCount = 0;

protected:
    platform::MessageAnswer showMessageBox(const platform::MessageBoxRequest&) override
    {
        ++messageCount;
        return platform::MessageAnswer::Ok;
    }
    void openMessageBox(const platform::MessageBoxRequest&, AnswerHandler answered) override
    {
        ++messageCount;
        answered(platform::MessageAnswer::Ok);
    }
    QString showInputBox(const platform::InputBoxRequest&) override { return {}; }
    QString showSaveFileDialog(const platform::SaveFileRequest&) override { return {}; }
};

class ProgramFolder {
public:
    static ProgramFolder& get()
    {
        static ProgramFolder folder;
        return folder;
    }

    CountingDialogs& dialogs() { return dialogs_; }

    // Replaces the program's file `name` with `content`.
    void writeFile(const char* name, const QByteArray& content)
    {
        QFile file(platform::programFile(QString::fromLatin1(name)));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size(),
                "a program file is written");
    }

private:
    ProgramFolder()
    {
        require(folder_.isValid(), "a temporary program folder is made");
        platform::Services services = platform::services();
        services.dialogs = &dialogs_;
        services.programFolder = folder_.path();
        installed_.emplace(std::move(services));
    }

    QTemporaryDir folder_;
    CountingDialogs dialogs_;
    std::optional<platform::ScopedServices> installed_;
};

} // namespace fuzz
