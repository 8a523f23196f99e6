#pragma once
// A label that shows its text as it is (no rich text) and wraps it, named by its
// control name ("Label1").
#include <QString>

class QLabel;
class QWidget;

QLabel* plainLabel(const QString& text, const char* objectName, QWidget* parent);
