// SPDX-License-Identifier: MIT
#include "sorted_names_model.h"

#include <algorithm>
#include <iterator>

namespace lm {

bool TSortedNamesModel::Before(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

int TSortedNamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant TSortedNamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count() || role != Qt::DisplayRole) {
        return {};
    }
    return names_[static_cast<std::size_t>(index.row())];
}

void TSortedNamesModel::Add(QStringList names) {
    if (names.isEmpty()) {
        return;
    }
    std::stable_sort(names.begin(), names.end(), &Before);
    if (names_.empty() || !Before(names.first(), names_.back())) {
        // Beyond the last name: new rows at the end.
        const int first = Count();
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(names.size()) - 1);
        names_.insert(names_.end(), std::make_move_iterator(names.begin()),
                      std::make_move_iterator(names.end()));
        endInsertRows();
        return;
    }
    std::vector<QString> merged;
    merged.reserve(names_.size() + static_cast<std::size_t>(names.size()));
    std::merge(std::make_move_iterator(names_.begin()), std::make_move_iterator(names_.end()),
               std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()),
               std::back_inserter(merged), &Before);
    beginResetModel();
    names_ = std::move(merged);
    endResetModel();
}

void TSortedNamesModel::Clear() {
    if (names_.empty()) {
        return;
    }
    beginResetModel();
    names_.clear();
    endResetModel();
}

QStringList TSortedNamesModel::Names() const {
    return QStringList(names_.begin(), names_.end());
}

}  // namespace lm
