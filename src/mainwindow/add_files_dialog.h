// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QList>
#include <QString>

#include "settings.h"

namespace lm {

class MaskFilterModel;

// The Add Files dialog: pick existing files, several at once. It offers one
// filter per file type, named exactly as the table names it, and shows the
// files that the type's masks match by the same rules as a listed folder
// (not by Qt's own wildcards, whose "*.*" would differ).
class TAddFilesDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit TAddFilesDialog(QWidget* parent = nullptr);

    // The file types in table order, and which is chosen (1-based).
    void SetFileTypes(const QList<lm::FileType>& types, int chosen);
    // The type whose masks filter the view now (0-based), -1 for none.
    int ChosenType() const;
    // Whether a file of this name is offered under the chosen type.
    bool Offers(const QString& fileName) const;

private:
    void UseType(int index);

    QList<lm::FileType> types_;
    QStringList filterNames_;
    int chosen_ = -1;
    MaskFilterModel* filter_;
};

}  // namespace lm
