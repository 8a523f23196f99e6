#include "TempProgramFolder.h"
#include "tools/UpdateHandOver.h"

#include <QFile>
#include <QTest>

namespace {

// Notes each program start among the hand-over's steps and passes it on to the
// recording launcher.
class StepLauncher final : public platform::Launcher {
public:
    StepLauncher(RecordingLauncher& recorder, QStringList& steps) : recorder_(recorder), steps_(steps) {}

    platform::StartResult startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder) override
    {
        steps_ << QStringLiteral("start");
        return recorder_.startProgram(program, arguments, workingFolder);
    }
    platform::PageResult openPage(const QUrl& page) override { return recorder_.openPage(page); }

private:
    RecordingLauncher& recorder_;
    QStringList& steps_;
};

} // namespace

class UpdateHandOverTest : public QObject {
    Q_OBJECT

private slots:
    void handOver_disconnectsStartsTheUpdaterAndEnds()
    {
        TempProgramFolder world;
        placeUpdater(world);
        QStringList steps;
        StepLauncher launcher(world.launcher(), steps);
        const HandOverOutcome outcome = handOverToUpdater(stepsRecordingInto(launcher, steps));

        QCOMPARE(outcome, HandOverOutcome::UpdaterStarted);
        QCOMPARE(steps, (QStringList{"disconnect", "start", "end 0"}));
        QCOMPARE(world.launcher().starts().size(), 1);
        const RecordingLauncher::Start& start = world.launcher().starts().first();
        QCOMPARE(start.program, world.filePath(QStringLiteral("update")));
        QVERIFY(start.arguments.isEmpty());
        QCOMPARE(start.workingFolder, world.path());
        QVERIFY(world.dialogs().messageTexts().isEmpty());
    }

    void handOver_withoutTheUpdater_saysSoAfterTheLogoutAndEnds()
    {
        TempProgramFolder world;
        QStringList steps;
        StepLauncher launcher(world.launcher(), steps);
        const HandOverOutcome outcome = handOverToUpdater(stepsRecordingInto(launcher, steps));

        QCOMPARE(outcome, HandOverOutcome::UpdaterMissing);
        QCOMPARE(steps, (QStringList{"disconnect", "end 0"}));
        QVERIFY(world.launcher().starts().isEmpty());
        QCOMPARE(world.dialogs().messageTexts(), QStringList{"You are missing the Update.exe"});
    }

    void handOver_whenTheStartFails_reportsItAndEnds()
    {
        TempProgramFolder world;
        placeUpdater(world);
        world.launcher().setStartsSucceed(false);
        QStringList steps;
        StepLauncher launcher(world.launcher(), steps);
        const HandOverOutcome outcome = handOverToUpdater(stepsRecordingInto(launcher, steps));

        QCOMPARE(outcome, HandOverOutcome::UpdaterNotStarted);
        QCOMPARE(steps, (QStringList{"disconnect", "start", "end 0"}));
        QCOMPARE(world.dialogs().messageTexts().size(), 1);
    }

    void fromServices_usesTheProgramsOwnServices()
    {
        TempProgramFolder world;
        placeUpdater(world);
        int disconnects = 0;
        handOverToUpdater(HandOverSteps::fromServices([&disconnects] { ++disconnects; }));

        QCOMPARE(disconnects, 1);
        QCOMPARE(world.launcher().starts().size(), 1);
        QCOMPARE(world.launcher().starts().first().program, world.filePath(QStringLiteral("update")));
        QCOMPARE(world.endProcessCalls(), QList<int>{0});
    }

private:
    static void placeUpdater(TempProgramFolder& world)
    {
        QFile updater(world.filePath(QStringLiteral("update")));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        QVERIFY(updater.setPermissions(updater.permissions() | QFile::ExeOwner));
    }

    // The program's services with launcher in place of the launcher and each step noted
    // in steps.
    static HandOverSteps stepsRecordingInto(StepLauncher& launcher, QStringList& steps)
    {
        HandOverSteps handOver = HandOverSteps::fromServices([&steps] { steps << QStringLiteral("disconnect"); });
        handOver.launcher = &launcher;
        handOver.endProcess = [&steps](int exitCode) { steps << QStringLiteral("end %1").arg(exitCode); };
        return handOver;
    }
};

QTEST_MAIN(UpdateHandOverTest)
#include "test_updatehandover.moc"
