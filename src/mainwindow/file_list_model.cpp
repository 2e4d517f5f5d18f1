// SPDX-License-Identifier: MIT
#include "file_list_model.h"

#include <QCoreApplication>

#include "crc_in_name.h"
#include "file_table.h"

namespace lm {

QString LampHintText(int crcStatus) {
    switch (crcStatus) {
        case crcNotFound:
            return QCoreApplication::translate("lm::TFileListModel", "No CRC found in filename.");
        case crcMatches:
            return QCoreApplication::translate("lm::TFileListModel",
                                               "Found correct CRC in filename.");
        case crcNoHash:
            return QCoreApplication::translate("lm::TFileListModel",
                                               "No hash generated for this file yet.");
        case crcMismatch:
            return QCoreApplication::translate(
                "lm::TFileListModel", "Found possible CRC in filename but it doesn't match.");
        default:
            return {};
    }
}

TFileListModel::TFileListModel(const FileTable& table, QObject* parent)
    : QAbstractListModel(parent), table_(table) {}

int TFileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant TFileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return table_.ListedText(index.row());
    }
    if (role == LampRole) {
        return table_.ListedCrcStatus(index.row());
    }
    if (role == Qt::AccessibleDescriptionRole) {
        return LampHintText(table_.ListedCrcStatus(index.row()));
    }
    return {};
}

void TFileListModel::InsertRows(int first, int count) {
    if (count <= 0) {
        return;
    }
    beginInsertRows(QModelIndex(), first, first + count - 1);
    rows_ += count;
    endInsertRows();
}

void TFileListModel::RemoveRows(int first, int count) {
    if (count <= 0) {
        return;
    }
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    rows_ -= count;
    endRemoveRows();
}

void TFileListModel::ResetRows(int count) {
    beginResetModel();
    rows_ = count;
    endResetModel();
}

void TFileListModel::RowsChanged(int first, int last) {
    emit dataChanged(index(first), index(last), {Qt::DisplayRole, LampRole});
}

}  // namespace lm
