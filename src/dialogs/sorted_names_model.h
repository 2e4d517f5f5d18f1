// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace lm {

// The names a count found, sorted alphabetically without regard to case
// (names that differ only in case in code-unit order). Names arrive in
// batches as the listing goes; each batch is merged in, one change of the
// view per batch, so that a count of many files costs O(n) per batch instead
// of a sorted insertion per name.
class TSortedNamesModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Add(QStringList names);
    void Clear();
    QStringList Names() const;
    int Count() const { return static_cast<int>(names_.size()); }

    // The order of the list: case-insensitive, ties by code unit.
    static bool Before(const QString& a, const QString& b);

private:
    std::vector<QString> names_;
};

}  // namespace lm
