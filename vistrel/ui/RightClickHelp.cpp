#include "ui/RightClickHelp.h"

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Services.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace {

class HelpOnRightClick final : public QObject {
public:
    HelpOnRightClick(QWidget& window, const QList<QWidget*>& controls, QString page)
        : QObject(&window), window_(window), controls_(controls), page_(std::move(page))
    {
        window.installEventFilter(this);
        for (QWidget* control : controls) {
            control->installEventFilter(this);
            // A list's presses go to its viewport.
            if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(control)) {
                scrolled->viewport()->installEventFilter(this);
                controls_ << scrolled->viewport();
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress
            || static_cast<const QMouseEvent*>(event)->button() != Qt::RightButton)
            return false;
        // A press that a control left unhandled reaches the window too: only the
        // window's own presses and the named controls' count.
        const QWidget* pressed = static_cast<const QWidget*>(watched);
        if (pressed == &window_) {
            const QPoint at = static_cast<const QMouseEvent*>(event)->position().toPoint();
            const QWidget* under = window_.childAt(at);
            if (under && !controls_.contains(const_cast<QWidget*>(under)))
                return false;
        }
        openHelpPage();
        return true;
    }

private:
    // The press is the user's: a page that does not open is told at once.
    void openHelpPage() const
    {
        const QString address = platform::webServerPage(page_);
        if (const platform::PageResult opened = platform::launcher().openPage(QUrl(address)); !opened)
            platform::dialogs().messageBox(platform::pageFailureMessage(address, opened));
    }

    QWidget& window_;
    QList<QWidget*> controls_;
    QString page_;
};

} // namespace

void openHelpOnRightClick(QWidget& window, const QList<QWidget*>& controls, const QString& page)
{
    new HelpOnRightClick(window, controls, page);
}
