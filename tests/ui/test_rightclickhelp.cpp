// The help page that a right click opens, and the message when it does not open.
#include "TempProgramFolder.h"
#include "platform/Services.h"
#include "ui/RightClickHelp.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

class RightClickHelpTest : public QObject {
    Q_OBJECT

private slots:
    void theHelpPageOpensOrIsToldWhy_data()
    {
        QTest::addColumn<bool>("pagesOpen");
        QTest::addColumn<QString>("message"); // %1: the page's address; empty: no message
        QTest::newRow("opens") << true << QString();
        QTest::newRow("no browser") << false
                                    << QStringLiteral(
                                           "The page %1 could not be opened: no web browser could be started.");
    }

    void theHelpPageOpensOrIsToldWhy()
    {
        QFETCH(bool, pagesOpen);
        QFETCH(QString, message);
        TempProgramFolder world;
        world.launcher().setPagesOpen(pagesOpen);
        QWidget window;
        auto* caption = new QLabel(QStringLiteral("Search"), &window);
        openHelpOnRightClick(window, {caption}, QStringLiteral("/help/Summary.htm"));

        QTest::mousePress(caption, Qt::RightButton);

        const QString page = platform::webServerPage(QStringLiteral("/help/Summary.htm"));
        QCOMPARE(world.launcher().pages(), QList<QUrl>{QUrl(page)});
        QCOMPARE(world.dialogs().messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message.arg(page)});
    }
};

QTEST_MAIN(RightClickHelpTest)
#include "test_rightclickhelp.moc"
