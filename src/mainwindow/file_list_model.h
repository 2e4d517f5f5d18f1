// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>

namespace lm {

class FileTable;

// What a row's lamp tells, for its hint and for screen readers; empty for an
// unknown CRC status.
QString LampHintText(int crcStatus);

// The rows of the file list over the file table: row i shows the i-th entry
// the table lists, its text and lamp read from the table when painted. The
// model holds no copy of anything; it only knows how many rows the view has
// been told of, and tells it of each change as the table reports it, one
// signal per run of rows. A screen reader gets each row's text as its name
// and its lamp's verdict (the hint text) as its description.
class TFileListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The row's CRC check result, which picks its lamp.
    static constexpr int LampRole = Qt::UserRole + 1;

    explicit TFileListModel(const FileTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void InsertRows(int first, int count);
    void RemoveRows(int first, int count);
    void ResetRows(int count);
    void RowsChanged(int first, int last);

private:
    const FileTable& table_;
    int rows_ = 0;
};

}  // namespace lm
