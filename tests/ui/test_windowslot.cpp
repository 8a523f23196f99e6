#include "ui/WindowSlot.h"

#include <QTest>

namespace {

QStringList events;

struct Windows;

class frmWithLoad : public QWidget {
public:
    explicit frmWithLoad(Windows& windows) : windows_(windows) { events << "construct frmWithLoad"; }
    ~frmWithLoad() override { events << "delete frmWithLoad"; }
    void load();
    int loads = 0;

private:
    Windows& windows_;
};

class frmPlain : public QWidget {
public:
    frmPlain() { events << "construct frmPlain"; }
    ~frmPlain() override { events << "delete frmPlain"; }
};

// A load handler that uses another window makes that one first.
class frmNeedsPlain : public QWidget {
public:
    explicit frmNeedsPlain(ui::WindowSlot<frmPlain>& plain) : plain_(plain) {}
    ~frmNeedsPlain() override { events << "delete frmNeedsPlain"; }
    void load()
    {
        plain_();
        events << "load frmNeedsPlain";
    }

private:
    ui::WindowSlot<frmPlain>& plain_;
};

struct Windows {
    ui::WindowKeeper keeper;
    ui::WindowSlot<frmWithLoad> withLoad{keeper, [this] { return new frmWithLoad(*this); }};
    ui::WindowSlot<frmPlain> plain{keeper};
    ui::WindowSlot<frmNeedsPlain> needsPlain{keeper, [this] { return new frmNeedsPlain(plain); }};
};

void frmWithLoad::load()
{
    ++loads;
    // The load handler may use its own window; that does not load it again.
    events << (&windows_.withLoad() == this ? "load frmWithLoad" : "load of another window");
}

} // namespace

class WindowSlotTest : public QObject {
    Q_OBJECT

private slots:
    void init() { events.clear(); }

    void firstUseMakesAndLoadsOnce()
    {
        Windows windows;
        QVERIFY(!windows.withLoad.isMade());
        frmWithLoad& first = windows.withLoad();
        QVERIFY(windows.withLoad.isMade());
        QCOMPARE(&windows.withLoad(), &first);
        QCOMPARE(first.loads, 1);
        QVERIFY(!first.isVisible());
        QCOMPARE(events, QStringList({"construct frmWithLoad", "load frmWithLoad"}));
    }

    void windowWithoutLoadHandlerIsMade()
    {
        Windows windows;
        windows.plain();
        windows.plain();
        QCOMPARE(events, QStringList{"construct frmPlain"});
    }

    void destroyAllDeletesNewestFirstAndAllowsAFreshStart()
    {
        Windows windows;
        windows.withLoad();
        windows.needsPlain();
        QCOMPARE(
            events,
            QStringList({"construct frmWithLoad", "load frmWithLoad", "construct frmPlain", "load frmNeedsPlain"}));
        events.clear();
        windows.keeper.destroyAll();
        QCOMPARE(events, QStringList({"delete frmPlain", "delete frmNeedsPlain", "delete frmWithLoad"}));
        QVERIFY(!windows.withLoad.isMade() && !windows.plain.isMade() && !windows.needsPlain.isMade());
        QCOMPARE(windows.withLoad().loads, 1);
    }

    void windowDeletedElsewhereIsNotDeletedTwice()
    {
        Windows windows;
        delete &windows.plain();
        QVERIFY(!windows.plain.isMade());
        windows.keeper.destroyAll();
        QCOMPARE(events, QStringList({"construct frmPlain", "delete frmPlain"}));
    }

    void theKeeperDeletesItsWindowsWhenItEnds()
    {
        {
            Windows windows;
            windows.plain();
        }
        QCOMPARE(events, QStringList({"construct frmPlain", "delete frmPlain"}));
    }
};

QTEST_MAIN(WindowSlotTest)
#include "test_windowslot.moc"
