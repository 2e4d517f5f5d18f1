// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>

#include <functional>

#include "list_rows.h"

namespace lm {

class FileTable;

// What a row's lamp tells, for its hint and for screen readers; empty for an
// unknown CRC status.
QString LampHintText(int crcStatus);

// The rows of the file list over the file table: row i shows the i-th entry
// the table lists, its text and lamp as the rows (TListRows) keep them. The
// model tells the view of each change as the table reports it, one signal
// per run of rows. A screen reader gets each row's text as its name and its
// lamp's verdict (the hint text) as its description.
class TFileListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The row's CRC check result, which picks its lamp.
    static constexpr int LampRole = Qt::UserRole + 1;

    // `measure` gives a text's width in the list's font.
    TFileListModel(const FileTable& table, std::function<int(const QString&)> measure,
                   QObject* parent = nullptr);

    const TListRows& Rows() const { return rows_; }
    TListRows& Rows() { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void InsertRows(int first, int count);
    void RemoveRows(int first, int count);
    void ResetRows(int count);
    void RowsChanged(int first, int last);

private:
    TListRows rows_;
};

}  // namespace lm
