#include "ui/TypedLengthLimit.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// A box validates what the user types and pastes, never the texts set by code.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}

    State validate(QString& input, int&) const override { return input.size() <= maxLength_ ? Acceptable : Invalid; }

private:
    int maxLength_;
};

} // namespace

void limitTypedLength(QLineEdit& box, int maxLength)
{
    box.setValidator(new TypedLengthValidator(maxLength, &box));
}
