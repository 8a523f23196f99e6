#pragma once
// A label that shows its text as it is (no rich text) and wraps it.
#include <QString>

class QLabel;
class QWidget;

QLabel* plainLabel(const QString& text, QWidget* parent);
