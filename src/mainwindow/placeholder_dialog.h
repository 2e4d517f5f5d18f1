#pragma once

#include <QDialog>
#include <QString>

namespace lm {

// Stands in for a dialog that is not there yet: its caption, one line and
// an OK button, shown modally.
class TPlaceholderDialog : public QDialog {
    Q_OBJECT

public:
    TPlaceholderDialog(const QString& caption, const QString& text, QWidget* parent);
};

}  // namespace lm
