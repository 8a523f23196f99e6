// The built updater, started as the program starts it: from the program's folder,
// without arguments, finding its two files through the hand-over contract.
#include "UpdatePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace updater;

class UpdateProgramTest : public QObject {
    Q_OBJECT

private slots:
    void replacesTheVistrelBesideIt()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir top(root.path());
        QVERIFY(top.mkdir(QStringLiteral("program")));
        QVERIFY(top.mkdir(QStringLiteral("download"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString program = top.filePath(QStringLiteral("program/vistrel"));
        const QString download = top.filePath(QStringLiteral("download/vistrel"));
        const QString updater = top.filePath(QStringLiteral("program/update"));
        QVERIFY(QFile::copy(QStringLiteral(UPDATE_EXECUTABLE), updater));
        // The updater installs only a whole executable for this computer: this test's own.
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        const QByteArray newProgram = self.readAll();
        for (const auto& [path, content] :
             {std::pair{program, QByteArray("old program")}, std::pair{download, newProgram}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kDownloadVariable), download);
        environment.remove(QString::fromLatin1(kTargetVariable));
        environment.insert(QStringLiteral("VISTREL_TIME_SCALE"), QStringLiteral("0.001"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(top.filePath(QStringLiteral("program")));
        process.start(updater, {});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        QFile replaced(program);
        QVERIFY(replaced.open(QIODevice::ReadOnly));
        QCOMPARE(replaced.readAll(), newProgram);
        QVERIFY(replaced.permissions().testFlag(QFile::ExeOwner));
        QVERIFY(QFile::exists(program + QStringLiteral(".old")));
        QVERIFY(QFile::exists(download));
    }
};

QTEST_GUILESS_MAIN(UpdateProgramTest)
#include "test_updateprogram.moc"
