#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "platform/Dialogs.h"
#include "ui/DesktopServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

using namespace platform;
using ui::WidgetDialogs;

namespace {

// Runs handle on the next modal box once it is up; the box's own event loop
// delivers the timer, which is also what keeps sockets and timers going.
template <typename Box>
void whenBoxIsUp(std::function<void(Box&)> handle)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            handle(*box);
        }
    });
    poll->start(5);
}

QList<int> sorted(QList<int> buttons)
{
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}

QList<int> standardButtonsOf(const QMessageBox& box)
{
    QList<int> buttons;
    for (QAbstractButton* button : box.buttons())
        buttons << box.standardButton(button);
    return sorted(buttons);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void scriptedDialogsRecordAndAnswer()
    {
        TempProgramFolder world;
        world.dialogs().queueAnswer(MessageAnswer::No);
        world.dialogs().queueInput("typed");

        QCOMPARE(dialogs().messageBox("Disconnect?", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
        QCOMPARE(dialogs().messageBox("Saved", MessageButtons::Ok, MessageIcon::None, "Own title"), MessageAnswer::Ok);
        QCOMPARE(dialogs().messageBox("Again?", MessageButtons::YesNoCancel), MessageAnswer::Yes);
        QCOMPARE(dialogs().inputBox("Password:", {}, "x"), QString("typed"));
        QCOMPARE(dialogs().inputBox("Password:"), QString());
        QCOMPARE(dialogs().saveFileName("Save log", "Text (*.txt)", "log.txt"), QString());

        const QList<MessageBoxRequest>& boxes = world.dialogs().messageBoxes();
        QCOMPARE(world.dialogs().messageTexts(), QStringList({"Disconnect?", "Saved", "Again?"}));
        QCOMPARE(boxes[0].title, QString("Vistrel"));
        QCOMPARE(boxes[0].buttons, MessageButtons::YesNo);
        QCOMPARE(boxes[0].icon, MessageIcon::Question);
        QCOMPARE(boxes[1].title, QString("Own title"));
        QCOMPARE(world.dialogs().inputBoxes().size(), 2);
        QCOMPARE(world.dialogs().inputBoxes()[0].title, QString("Vistrel"));
        QCOMPARE(world.dialogs().inputBoxes()[0].defaultText, QString("x"));
        QCOMPARE(world.dialogs().saveFileDialogs()[0].initialName, QString("log.txt"));
    }

    void messageBoxShowsTextsButtonsAndGivesTheAnswer_data()
    {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << MessageButtons::Ok << QList<int>{QMessageBox::Ok} << int(QMessageBox::Ok)
                            << MessageAnswer::Ok;
        QTest::newRow("OK/Cancel") << MessageButtons::OkCancel << QList<int>{QMessageBox::Ok, QMessageBox::Cancel}
                                   << int(QMessageBox::Cancel) << MessageAnswer::Cancel;
        QTest::newRow("Yes/No") << MessageButtons::YesNo << QList<int>{QMessageBox::Yes, QMessageBox::No}
                                << int(QMessageBox::No) << MessageAnswer::No;
        QTest::newRow("Yes/No/Cancel") << MessageButtons::YesNoCancel
                                       << QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}
                                       << int(QMessageBox::Yes) << MessageAnswer::Yes;
    }

    void messageBoxShowsTextsButtonsAndGivesTheAnswer()
    {
        QFETCH(MessageButtons, buttons);
        QFETCH(QList<int>, shown);
        QFETCH(int, clicked);
        QFETCH(MessageAnswer, answer);

        QString shownText, shownTitle;
        QList<int> shownButtons;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        whenBoxIsUp<QMessageBox>([&](QMessageBox& box) {
            shownText = box.text();
            shownTitle = box.windowTitle();
            shownButtons = standardButtonsOf(box);
            shownIcon = box.icon();
            box.button(QMessageBox::StandardButton(clicked))->click();
        });
        WidgetDialogs real;
        QCOMPARE(real.messageBox("Server Settings Saved...", buttons, MessageIcon::Exclamation), answer);
        QCOMPARE(shownText, QString("Server Settings Saved..."));
        QCOMPARE(shownTitle, QString("Vistrel"));
        QCOMPARE(shownButtons, sorted(shown));
        QCOMPARE(shownIcon, QMessageBox::Warning);
    }

    // Return presses the box's default button; without one named, the first.
    void returnPressesTheDefaultButton_data()
    {
        QTest::addColumn<std::optional<MessageAnswer>>("defaultButton");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("No named") << std::optional<MessageAnswer>(MessageAnswer::No) << MessageAnswer::No;
        QTest::newRow("Yes named") << std::optional<MessageAnswer>(MessageAnswer::Yes) << MessageAnswer::Yes;
        QTest::newRow("none named") << std::optional<MessageAnswer>() << MessageAnswer::Yes;
    }

    void returnPressesTheDefaultButton()
    {
        QFETCH(std::optional<MessageAnswer>, defaultButton);
        QFETCH(MessageAnswer, answer);
        whenBoxIsUp<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        WidgetDialogs real;
        QCOMPARE(real.messageBox("Forgot?", MessageButtons::YesNo, MessageIcon::Information, "Forgot Password...",
                                 defaultButton),
                 answer);

        TempProgramFolder world; // the scripted boxes answer as Return does
        QCOMPARE(
            world.dialogs().messageBox("Forgot?", MessageButtons::YesNo, MessageIcon::Information, {}, defaultButton),
            answer);
    }

    // A box shown without waiting returns at once, leaves the program usable, and is
    // the only one of its kind until it is closed; its answer comes from the event loop.
    void aBoxShownWithoutWaitingIsOneOfItsKind()
    {
        WidgetDialogs real;
        QList<MessageAnswer> answers;
        const auto record = [&answers](MessageAnswer answer) { answers << answer; };
        QVERIFY(real.showMessage("save", messageRequest("Error Saving settings.. =  75"), record));
        QVERIFY(!real.showMessage("save", messageRequest("Error Saving settings.. =  75"), record));
        QVERIFY(real.showMessage("other", messageRequest("Other", MessageButtons::YesNo), record));
        QVERIFY(real.isShowing("save"));

        QList<QMessageBox*> boxes;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                boxes << box;
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(answers.isEmpty());

        for (QMessageBox* box : boxes)
            box->button(box->text() == "Other" ? QMessageBox::No : QMessageBox::Ok)->click();
        QTRY_COMPARE(answers.size(), 2);
        QVERIFY(answers.contains(MessageAnswer::Ok) && answers.contains(MessageAnswer::No));
        QVERIFY(!real.isShowing("save"));
        QVERIFY(real.showMessage("save", messageRequest("again"), {}));

        // A box goes once it is closed.
        const auto openBoxes = [] {
            int count = 0;
            for (QWidget* window : QApplication::topLevelWidgets())
                count += qobject_cast<QMessageBox*>(window) != nullptr;
            return count;
        };
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window))
                box->close();
        QTRY_COMPARE(openBoxes(), 0);
        QVERIFY(!real.isShowing("save"));
    }

    void inputBoxGivesTheTextOrEmptyOnCancel()
    {
        WidgetDialogs real;
        QString shownPrompt, shownDefault;
        whenBoxIsUp<QInputDialog>([&](QInputDialog& box) {
            shownPrompt = box.labelText();
            shownDefault = box.textValue();
            box.setTextValue("secret");
            box.accept();
        });
        QCOMPARE(real.inputBox("Password:", "Restricted", "old"), QString("secret"));
        QCOMPARE(shownPrompt, QString("Password:"));
        QCOMPARE(shownDefault, QString("old"));

        whenBoxIsUp<QInputDialog>([](QInputDialog& box) {
            box.setTextValue("typed, then cancelled");
            box.reject();
        });
        QCOMPARE(real.inputBox("Password:"), QString());
    }

    void saveFileDialogGivesEmptyOnCancel()
    {
        WidgetDialogs real;
        QString shownTitle;
        whenBoxIsUp<QFileDialog>([&](QFileDialog& box) {
            shownTitle = box.windowTitle();
            box.reject();
        });
        QCOMPARE(real.saveFileName("Save Snapshot", "Pictures (*.jpg)", "cam.jpg"), QString());
        QCOMPARE(shownTitle, QString("Save Snapshot"));
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
