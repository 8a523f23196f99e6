#include "ui/Forms.h"

#include <QTest>

using ui::form;
using ui::isLoaded;

namespace {

QStringList events;

class frmWithLoad : public QWidget {
public:
    frmWithLoad() { events << "construct frmWithLoad"; }
    ~frmWithLoad() override { events << "delete frmWithLoad"; }
    void load()
    {
        ++loads;
        // The load handler may refer to its own window; that does not load it again.
        events << (&form<frmWithLoad>() == this ? "load frmWithLoad" : "load of another window");
    }
    int loads = 0;
};

class frmPlain : public QWidget {
public:
    frmPlain() { events << "construct frmPlain"; }
    ~frmPlain() override { events << "delete frmPlain"; }
};

// A load handler that refers to another window loads that one first.
class frmNeedsPlain : public QWidget {
public:
    ~frmNeedsPlain() override { events << "delete frmNeedsPlain"; }
    void load()
    {
        form<frmPlain>();
        events << "load frmNeedsPlain";
    }
};

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { events.clear(); }
    void cleanup() { ui::destroyAllForms(); }

    void firstReferenceCreatesAndLoadsOnce()
    {
        QVERIFY(!isLoaded<frmWithLoad>());
        frmWithLoad& first = form<frmWithLoad>();
        QVERIFY(isLoaded<frmWithLoad>());
        QCOMPARE(&form<frmWithLoad>(), &first);
        QCOMPARE(first.loads, 1);
        QVERIFY(!first.isVisible());
        QCOMPARE(events, QStringList({"construct frmWithLoad", "load frmWithLoad"}));
    }

    void windowWithoutLoadHandlerIsCreated()
    {
        form<frmPlain>();
        form<frmPlain>();
        QCOMPARE(events, QStringList{"construct frmPlain"});
    }

    void destroyAllFormsDeletesNewestFirstAndAllowsAFreshStart()
    {
        form<frmWithLoad>();
        form<frmNeedsPlain>();
        QCOMPARE(
            events,
            QStringList({"construct frmWithLoad", "load frmWithLoad", "construct frmPlain", "load frmNeedsPlain"}));
        events.clear();
        ui::destroyAllForms();
        QCOMPARE(events, QStringList({"delete frmPlain", "delete frmNeedsPlain", "delete frmWithLoad"}));
        QVERIFY(!isLoaded<frmWithLoad>() && !isLoaded<frmPlain>() && !isLoaded<frmNeedsPlain>());

        QCOMPARE(form<frmWithLoad>().loads, 1);
    }

    void windowDeletedElsewhereIsNotDeletedTwice()
    {
        delete &form<frmPlain>();
        QVERIFY(!isLoaded<frmPlain>());
        ui::destroyAllForms();
        QCOMPARE(events, QStringList({"construct frmPlain", "delete frmPlain"}));
    }
};

QTEST_MAIN(FormsTest)
#include "test_forms.moc"
