#include "ui/Forms.h"

#include <vector>

namespace ui {

namespace {

std::vector<QPointer<QWidget>>& createdForms()
{
    static std::vector<QPointer<QWidget>> forms;
    return forms;
}

} // namespace

void detail::registerForm(QWidget* window)
{
    createdForms().emplace_back(window);
}

void destroyAllForms()
{
    std::vector<QPointer<QWidget>>& forms = createdForms();
    // A window's destructor may refer to another window; taking each one off
    // the list before deleting it keeps the loop safe if that creates a new one.
    while (!forms.empty()) {
        QPointer<QWidget> window = forms.back();
        forms.pop_back();
        delete window.data();
    }
}

} // namespace ui
