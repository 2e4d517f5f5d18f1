// SPDX-License-Identifier: MIT
#include "file_list_model.h"

#include <QCoreApplication>

#include <utility>

#include "crc_in_name.h"

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

TFileListModel::TFileListModel(const FileTable& table, std::function<int(const QString&)> measure,
                               QObject* parent)
    : QAbstractListModel(parent), rows_(table, std::move(measure)) {}

int TFileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.Count();
}

QVariant TFileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.Count()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return rows_.Text(index.row());
    }
    if (role == LampRole) {
        return rows_.CrcStatus(index.row());
    }
    if (role == Qt::AccessibleDescriptionRole) {
        return LampHintText(rows_.CrcStatus(index.row()));
    }
    return {};
}

void TFileListModel::InsertRows(int first, int count) {
    if (count <= 0) {
        return;
    }
    beginInsertRows(QModelIndex(), first, first + count - 1);
    rows_.Insert(first, count);
    endInsertRows();
}

void TFileListModel::RemoveRows(int first, int count) {
    if (count <= 0) {
        return;
    }
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    rows_.Remove(first, count);
    endRemoveRows();
}

void TFileListModel::ResetRows(int count) {
    beginResetModel();
    rows_.Reset(count);
    endResetModel();
}

void TFileListModel::RowsChanged(int first, int last) {
    rows_.Changed(first, last);
    emit dataChanged(index(first), index(last), {Qt::DisplayRole, LampRole});
}

}  // namespace lm
