// SPDX-License-Identifier: MIT
#include "add_files_dialog.h"

#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include <memory>
#include <optional>
#include <vector>

#include "mask.h"

namespace lm {

// Lets folders through and files whose names one of the masks matches. A
// mask that cannot be compiled matches nothing here; adding a folder is
// where its error is reported.
class MaskFilterModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetMasks(const QString& masks) {
        masks_.clear();
        for (const QString& text : SplitMasks(masks)) {
            try {
                masks_.emplace_back(text);
            } catch (const EMaskException&) {
            }
        }
        invalidateFilter();
    }

    bool Matches(const QString& name) const {
        for (const TMask& mask : masks_) {
            if (mask.Matches(name)) {
                return true;
            }
        }
        return false;
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) {
            return true;
        }
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || Matches(files->fileName(index));
    }

private:
    std::vector<TMask> masks_;
};

TAddFilesDialog::TAddFilesDialog(QWidget* parent)
    : QFileDialog(parent, tr("Add Files")), filter_(new MaskFilterModel(this)) {
    setObjectName(QStringLiteral("OpnDlg"));
    // Our own view of the files, so that the filter is ours too.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ReadOnly);
    // Each filter's pattern is "*" (Qt shows everything, the masks decide),
    // and only its name is shown.
    setOption(QFileDialog::HideNameFilterDetails);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    setSizeGripEnabled(true);
    setProxyModel(filter_);
    // The signal names the filter whole or as shown; either finds its type.
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& name) {
        qsizetype index = filterNames_.indexOf(name);
        for (qsizetype i = 0; index < 0 && i < types_.size(); ++i) {
            index = types_[i].name == name ? i : -1;
        }
        UseType(static_cast<int>(index));
    });
}

void TAddFilesDialog::SetFileTypes(const QList<lm::FileType>& types, int chosen) {
    types_ = types;
    filterNames_.clear();
    for (const lm::FileType& type : types) {
        filterNames_ << type.name + QStringLiteral(" (*)");
    }
    setNameFilters(filterNames_.isEmpty() ? QStringList{QStringLiteral("(*)")} : filterNames_);
    const int index = chosen - 1;
    if (index >= 0 && index < filterNames_.size()) {
        selectNameFilter(filterNames_[index]);
    }
    UseType(index >= 0 && index < types_.size() ? index : (types_.isEmpty() ? -1 : 0));
}

int TAddFilesDialog::ChosenType() const {
    return chosen_;
}

bool TAddFilesDialog::Offers(const QString& fileName) const {
    return filter_->Matches(fileName);
}

void TAddFilesDialog::UseType(int index) {
    chosen_ = index >= 0 && index < types_.size() ? index : -1;
    filter_->SetMasks(chosen_ >= 0 ? types_[chosen_].masks : QString());
}

}  // namespace lm
