#include "Control.h"
#include "FakeWebServer.h"
#include "OpenForm.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "linkwindows/StatusWindow.h"
#include "platform/HttpTransfer.h"
#include "platform/Services.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"
#include "ui/LampPiece.h"
#include "ui/ToolbarState.h"
#include "ui/TrafficMarker.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <functional>
#include <optional>

namespace {

using Lamp = ReflectorSession::Lamp;

using LampSet = QSet<QString>;

// Every lamp of the window by name: "B0" is blue lamp 0, "G3" green lamp 3, "R11" red lamp 11.
QList<std::pair<QString, LampPiece*>> allLamps(StatusWindow& window)
{
    QList<std::pair<QString, LampPiece*>> lamps;
    const auto add = [&](QChar colour, const char* arrayName) {
        for (LampPiece* lamp : window.findChildren<LampPiece*>(QString::fromLatin1(arrayName)))
            lamps.append({QString("%1%2").arg(colour).arg(lamp->property("index").toInt()), lamp});
    };
    add('B', "ImgBlue1");
    add('G', "ImgGreen3");
    add('R', "ImgRed2");
    return lamps;
}

LampSet shownLamps(StatusWindow& window)
{
    LampSet shown;
    for (const auto& [name, lamp] : allLamps(window)) {
        if (!lamp->isHidden())
            shown << name;
    }
    return shown;
}

void setAllLamps(StatusWindow& window, bool visible)
{
    for (const auto& [name, lamp] : allLamps(window))
        lamp->setVisible(visible);
}

LampSet lampNames(const QString& names)
{
    const QStringList list = names.split(' ', Qt::SkipEmptyParts);
    return LampSet(list.begin(), list.end());
}

} // namespace

class SystemStatusTest : public QObject {
    Q_OBJECT

private:
    std::optional<TempProgramFolder> folder;
    std::optional<FakeWebServer> web;

    // Runs one refresh to its end.
    void refresh(StatusWindow& window)
    {
        window.refresh();
        QVERIFY(window.refreshing());
        QVERIFY(platform::waitUntil([&] { return !window.refreshing(); }, 5000));
    }

    int requestsFor(const QByteArray& path) const
    {
        int count = 0;
        for (const FakeWebServer::Request& request : web->requests())
            count += request.path == path;
        return count;
    }

private slots:
    void init()
    {
        folder.emplace();
        web.emplace();
        platform::services().webServerBase = web->url("");
        ui::toolbarState() = {};
        reflectorSession().state().logLevelHigh = 0;
        platform::setTimeScale(1);
    }
    void cleanup()
    {
        testWindows().destroyAll();
        web.reset();
        folder.reset();
    }

    void afterLoadOnlySegments1To3ShowBlue()
    {
        StatusWindow& window = testWindows().link.status();
        QVERIFY(!window.isVisible());
        QCOMPARE(shownLamps(window), lampNames("B0 B1 B2 B3 B4"));
        for (TrafficMarker* marker : {control<TrafficMarker>(window, "imgSegment1SendData"),
                                      control<TrafficMarker>(window, "imgSegment2SendData"),
                                      control<TrafficMarker>(window, "imgSegment4aSendData"),
                                      control<TrafficMarker>(window, "imgSegment4bSendData"),
                                      control<TrafficMarker>(window, "imgSegment5aSendData"),
                                      control<TrafficMarker>(window, "imgSegment5bSendData")})
            QVERIFY(marker->isHidden());
        QVERIFY(control<QPlainTextEdit>(window, "txtStatus")->toPlainText().isEmpty());
        QVERIFY(control<QLabel>(window, "Label8")->text().isEmpty());
        QVERIFY(!control<QCheckBox>(window, "Check1")->isChecked());
        QCOMPARE(control<QCheckBox>(window, "Check1")->text(), QString("Log Level = High "));
        QVERIFY(control<QLabel>(window, "lblDBServerIPAddr")->isHidden());
        QVERIFY(web->requests().isEmpty()); // loading fetches nothing
    }

    // Each segment and colour against the lamps it shows and hides, from all lamps shown and from
    // all lamps hidden, so that a lamp left alone or touched by mistake shows up.
    void everySetterShowsAndHidesItsLamps()
    {
        struct Row {
            const char* name;
            int segment;
            Lamp colour;
            const char* shows;
            const char* hides;
        };
        const char* segment4 = "R2 R3 R4 G6 G7 G8 B8 B9 B10";
        const char* segment5 = "R0 R1 R11 G5 G9 G10 B6 B7 B10";
        const QList<Row> table{
            {"blue 1", 1, Lamp::Blue, "B0", "R8 G1"},
            {"blue 2", 2, Lamp::Blue, "B1", "R9 G0"},
            {"blue 3", 3, Lamp::Blue, "B2 B3 B4", "R5 R6 R7 G2 G3 G4"},
            {"blue 4", 4, Lamp::Blue, "", segment4},
            {"blue 5", 5, Lamp::Blue, "", segment5},
            {"green 1", 1, Lamp::Green, "G1", "R8 B0"},
            {"green 2", 2, Lamp::Green, "G0", "R9 B1"},
            {"green 3", 3, Lamp::Green, "G2 G3 G4", "R5 R6 R7 B2 B3 B4"},
            {"green 4", 4, Lamp::Green, "", segment4},
            {"green 5", 5, Lamp::Green, "", segment5},
            {"red 1", 1, Lamp::Red, "R8", "G1 B0"},
            {"red 2", 2, Lamp::Red, "R9", "G0 B1"},
            {"red 3", 3, Lamp::Red, "R5 R6 R7", "G2 G3 G4 B2 B3 B4"},
            {"red 4", 4, Lamp::Red, "", segment4},
            {"red 5", 5, Lamp::Red, "", segment5},
        };
        StatusWindow& window = testWindows().link.status();
        LampSet every;
        for (const auto& [name, lamp] : allLamps(window))
            every << name;
        QCOMPARE(every.size(), 10 + 11 + 11); // blue 5 and red 10 belong to no segment

        for (const Row& row : table) {
            const LampSet shows = lampNames(row.shows);
            const LampSet hides = lampNames(row.hides);

            setAllLamps(window, true);
            window.showLamp(row.segment, row.colour);
            QVERIFY2(shownLamps(window) == (every - hides), row.name);

            setAllLamps(window, false);
            window.showLamp(row.segment, row.colour);
            QVERIFY2(shownLamps(window) == shows, row.name);
        }
    }

    void segment1EndsInTheLastColourSet()
    {
        StatusWindow& window = testWindows().link.status();
        window.showLamp(1, ReflectorSession::Lamp::Green);
        QCOMPARE(shownLamps(window), lampNames("G1 B1 B2 B3 B4"));
        window.showLamp(1, ReflectorSession::Lamp::Red);
        QCOMPARE(shownLamps(window), lampNames("R8 B1 B2 B3 B4"));
        // The setters of segment 5 change nothing on a freshly loaded window.
        window.showLamp(5, ReflectorSession::Lamp::Green);
        window.showLamp(5, ReflectorSession::Lamp::Red);
        QCOMPARE(shownLamps(window), lampNames("R8 B1 B2 B3 B4"));
    }

    void firstReferenceFromASetterLoadsTheWindowHidden()
    {
        testWindows().link.status().showLamp(5, ReflectorSession::Lamp::Red);
        QVERIFY(testWindows().link.status.isMade());
        QVERIFY(!testWindows().link.status().isVisible());
    }

    // The pictures come from the program folder's "icons" folder, as shipped; the web
    // server is asked for the status page only.
    void serverStatusPage_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("otherPicture");
        const QString up("icons/ServerUp.gif");
        const QString down("icons/ServerDown.gif");
        QTest::newRow("up") << QByteArray("<html><b>Server is up</b></html>") << "Server is Up.." << up << down;
        QTest::newRow("lower case counts as down") << QByteArray("server is up") << "Server is Down.." << down << up;
        QTest::newRow("other answer") << QByteArray("Server is down for maintenance") << "Server is Down.." << down
                                      << up;
        QTest::newRow("empty page") << QByteArray() << "Server is Down.." << down << up;
    }
    void serverStatusPage()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, label);
        QFETCH(QString, picture);
        QFETCH(QString, otherPicture);
        folder->copyShippedFolder("icons");
        web->serve("/support.php", 200, page);
        StatusWindow& window = testWindows().link.status();

        refresh(window);

        QCOMPARE(control<QLabel>(window, "Label8")->text(), label);
        QCOMPARE(web->requests().size(), 1);
        QCOMPARE(requestsFor("/support.php"), 1);
        QVERIFY(control<QLabel>(window, "AniGIF1")->movie() != nullptr);
        const QImage shown =
            control<QLabel>(window, "AniGIF1")->movie()->currentImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, QImage(folder->filePath(picture)).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(shown != QImage(folder->filePath(otherPicture)).convertToFormat(QImage::Format_ARGB32));
    }

    void failedFetchChangesNothing()
    {
        folder->copyShippedFolder("icons");
        web->serve("/support.php", 200, "Server is up");
        StatusWindow& window = testWindows().link.status();
        refresh(window);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));

        web->serve("/support.php", 500, "Server is down");
        refresh(window);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));
        QVERIFY(control<QLabel>(window, "AniGIF1")->movie() != nullptr);
        QVERIFY(folder->dialogs().messageBoxes().isEmpty());
    }

    // Each refresh reads the picture again: one that went missing or is damaged
    // leaves the place empty, without a box.
    void pictureMissingOrDamagedLeavesThePlaceEmpty()
    {
        folder->copyShippedFolder("icons");
        web->serve("/support.php", 200, "Server is up");
        StatusWindow& window = testWindows().link.status();
        refresh(window);
        QVERIFY(control<QLabel>(window, "AniGIF1")->movie() != nullptr);

        QVERIFY(QFile::remove(folder->filePath("icons/ServerDown.gif")));
        web->serve("/support.php", 200, "down");
        refresh(window);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Down.."));
        QCOMPARE(control<QLabel>(window, "AniGIF1")->movie(), nullptr);

        QFile damaged(folder->filePath("icons/ServerUp.gif"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a picture");
        damaged.close();
        web->serve("/support.php", 200, "Server is up");
        refresh(window);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));
        QCOMPARE(control<QLabel>(window, "AniGIF1")->movie(), nullptr);
        QVERIFY(folder->dialogs().messageBoxes().isEmpty());
    }

    void oneFetchAtATimeWithinTheTimeLimit()
    {
        platform::setTimeScale(0.02); // the 10 s limit becomes 200 ms
        web->serveSilently("/support.php");
        StatusWindow& window = testWindows().link.status();
        control<QLabel>(window, "Label8")->setText("before");

        window.refresh();
        window.refresh();
        window.refresh();
        QVERIFY(platform::waitUntil([&] { return !window.refreshing(); }, 250000)); // 5 s
        QCOMPARE(requestsFor("/support.php"), 1);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("before"));

        // After the time limit a new refresh can start.
        platform::setTimeScale(1);
        web->serve("/support.php", 200, "Server is up");
        refresh(window);
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));
    }

    void everyActivationRefreshes()
    {
        web->serve("/support.php", 200, "Server is up");
        StatusWindow& window = openForm(testWindows().link.status);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(platform::waitUntil([&] { return requestsFor("/support.php") == 1 && !window.refreshing(); }, 5000));
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(platform::waitUntil([&] { return requestsFor("/support.php") == 2; }, 5000));
    }

    void logLevelSwitch()
    {
        StatusWindow& window = openForm(testWindows().link.status);
        QTest::mouseClick(control<QCheckBox>(window, "Check1"), Qt::LeftButton);
        QCOMPARE(reflectorSession().state().logLevelHigh, 1);
        QTest::mouseClick(control<QCheckBox>(window, "Check1"), Qt::LeftButton);
        QCOMPARE(reflectorSession().state().logLevelHigh, 0);
        control<QCheckBox>(window, "Check1")->setChecked(true);
        QCOMPARE(reflectorSession().state().logLevelHigh, 1);
    }

    void logSurvivesClosingAndReopening()
    {
        ui::toolbarState().setActive(ui::ToolbarEntry::Status, true);
        StatusWindow& window = openForm(testWindows().link.status);
        window.appendLogLine("Connecting to reflector.example.net");
        window.appendLogLine(QByteArray("caf\xe9 \x80"));
        window.appendLogLine("");
        control<QLabel>(window, "lblReflectorAddr")->setText("reflector.example.net");
        window.showLamp(1, ReflectorSession::Lamp::Green);
        control<TrafficMarker>(window, "imgSegment1SendData")->show();

        QVERIFY(!window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::Status));

        StatusWindow& again = openForm(testWindows().link.status);
        QCOMPARE(&again, &window);
        QCOMPARE(again.logText(), QByteArray("Connecting to reflector.example.net\r\ncaf\xe9 \x80\r\n\r\n"));
        QCOMPARE(control<QPlainTextEdit>(again, "txtStatus")->toPlainText(),
                 QString::fromUtf8("Connecting to reflector.example.net\ncaf\u00e9 \u20ac\n"));
        QCOMPARE(control<QLabel>(again, "lblReflectorAddr")->text(), QString("reflector.example.net"));
        QVERIFY(!control<LampPiece>(again, "ImgGreen3", 1)->isHidden());
        QVERIFY(!control<TrafficMarker>(again, "imgSegment1SendData")->isHidden());
    }

    void logKeepsItsMostRecentMegabyte()
    {
        StatusWindow& window = testWindows().link.status();
        const int lineLength = 1000;
        const int lines = 1600;
        for (int i = 0; i < lines; ++i) {
            QByteArray line = QByteArray::number(i).rightJustified(6, '0') + ' ';
            window.appendLogLine(line.leftJustified(lineLength, 'x'));
        }
        const QByteArray& log = window.logText();
        QVERIFY(log.size() <= StatusWindow::kLogCapacityBytes);
        QVERIFY(log.size() > StatusWindow::kLogCapacityBytes - (lineLength + 2));
        QVERIFY(log.startsWith(QByteArray::number(lines - log.size() / (lineLength + 2)).rightJustified(6, '0')));
        QVERIFY(log.endsWith(QByteArray("001599 ").leftJustified(lineLength, 'x') + "\r\n"));
        // The view shows exactly the kept lines.
        QCOMPARE(control<QPlainTextEdit>(window, "txtStatus")->document()->blockCount(),
                 int(log.size() / (lineLength + 2)));
        QCOMPARE(control<QPlainTextEdit>(window, "txtStatus")->toPlainText() + "\n",
                 QString::fromLatin1(log).replace("\r\n", "\n"));

        // A single line longer than the whole log keeps its end.
        QByteArray huge(StatusWindow::kLogCapacityBytes + 10, 'y');
        huge.append("END");
        window.appendLogLine(huge);
        QCOMPARE(window.logText().size(), StatusWindow::kLogCapacityBytes);
        QVERIFY(window.logText().endsWith("yEND\r\n"));
        QCOMPARE(control<QPlainTextEdit>(window, "txtStatus")->document()->blockCount(), 1);
    }

    void rightClickOpensTheHelpPage()
    {
        StatusWindow& window = openForm(testWindows().link.status);
        window.showLamp(1, ReflectorSession::Lamp::Green);
        control<TrafficMarker>(window, "imgSegment2SendData")->show();
        control<TrafficMarker>(window, "imgSegment5aSendData")->show();
        control<TrafficMarker>(window, "imgSegment5bSendData")->show();
        const QUrl help(web->url("/help/StatusWi.htm"));

        QList<QWidget*> withHelp{control<QLabel>(window, "Image2"),
                                 control<QLabel>(window, "Image3"),
                                 control<LampPiece>(window, "ImgGreen3", 1),
                                 control<TrafficMarker>(window, "imgSegment2SendData"),
                                 control<TrafficMarker>(window, "imgSegment5aSendData"),
                                 control<TrafficMarker>(window, "imgSegment5bSendData"),
                                 control<QLabel>(window, "Image2")->parentWidget() /* the diagram's background */};
        for (QWidget* target : withHelp) {
            QTest::mouseClick(target, Qt::LeftButton);
            QTest::mouseClick(target, Qt::RightButton);
        }
        QCOMPARE(folder->launcher().pages(), QList<QUrl>(withHelp.size(), help));

        // Other lamps, the reflector picture and the other markers have no help.
        control<TrafficMarker>(window, "imgSegment1SendData")->show();
        for (QWidget* target :
             QList<QWidget*>{control<LampPiece>(window, "ImgBlue1", 1), control<QLabel>(window, "Image1"),
                             control<TrafficMarker>(window, "imgSegment1SendData")})
            QTest::mouseClick(target, Qt::RightButton);
        QCOMPARE(folder->launcher().pages().size(), withHelp.size());
    }
};

QTEST_MAIN(SystemStatusTest)
#include "test_statuswindow.moc"
