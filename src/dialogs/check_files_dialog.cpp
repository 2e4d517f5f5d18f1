// SPDX-License-Identifier: MIT
#include "check_files_dialog.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QCloseEvent>
#include <QColor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "background_check.h"
#include "check_report.h"
#include "check_texts.h"
#include "palette_colours.h"
#include "path_bytes.h"
#include "path_names.h"

namespace lm {

namespace {

constexpr qint64 kListSniffBytes = 64 * 1024;
// What a table cell takes beyond its text: the style's margins on both
// sides with a little to spare.
constexpr int kCellRoom = 12;

QString DecodedName(const std::string& bytes) {
    return DisplayPath(PathFromBytes(QByteArray::fromStdString(bytes)));
}

}  // namespace

bool IsListToCheck(const QString& path) {
    const QString suffix = path.section(u'/', -1).section(u'.', -1).toLower();
    if (!path.section(u'/', -1).contains(u'.') ||
        (suffix != u"sfv" && suffix != u"md5" && suffix != u"sha1") ||
        KindOfPath(path) != PathKind::File) {
        return false;
    }
    // By its bytes: the name need not be UTF-8.
    std::ifstream file(PathToBytes(path).toStdString(), std::ios::binary);
    if (!file) {
        return false;
    }
    std::string head(static_cast<std::size_t>(kListSniffBytes), '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    const ParsedList list = ParseList(head, &PathBytesFromText);
    return !list.entries.empty();
}

QString ListFileFilter() {
    return TfrmCheckFiles::tr("Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)") +
           QStringLiteral(";;") + TfrmCheckFiles::tr("All Files (*)");
}

// The entries of a check, one row each: the name as the list gives it, the
// verdict and what differed.
class CheckResultsModel : public QAbstractTableModel {
public:
    // `view`: whose palette the verdicts' colours stand out from.
    CheckResultsModel(const QWidget* view, QObject* parent)
        : QAbstractTableModel(parent), view_(view) {}

    // `over`: the check has ended, so an entry not checked is shown so.
    void Reset(CheckRows results, const QStringList& lists, bool over) {
        beginResetModel();
        results_ = std::move(results);
        errors_.clear();
        lists_ = lists;
        over_ = over;
        endResetModel();
    }

    // The verdicts found since the last call.
    void Apply(const std::vector<VerdictUpdate>& updates) {
        std::size_t low = results_.size(), high = 0;
        for (const VerdictUpdate& update : updates) {
            if (update.row >= results_.size()) {
                continue;
            }
            CheckRow& row = results_[update.row];
            row.verdict = update.result.verdict;
            row.differs = update.result.differs;
            if (row.name != update.result.name) {
                row.name = update.result.name;
            }
            if (!update.result.error.empty()) {
                errors_[update.row] = update.result.error;
            }
            low = std::min(low, update.row);
            high = std::max(high, update.row);
        }
        if (low <= high) {
            emit dataChanged(index(static_cast<int>(low), 0),
                             index(static_cast<int>(high), kColumns - 1));
        }
    }

    void End() {
        over_ = true;
        if (!results_.empty()) {
            emit dataChanged(index(0, 1), index(rowCount() - 1, 1));
        }
    }

    VerdictCounts Counts() const {
        VerdictCounts counts;
        for (const CheckRow& row : results_) {
            counts.Add(row.verdict);
        }
        return counts;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(results_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        switch (section) {
            case 0:
                return TfrmCheckFiles::tr("Name");
            case 1:
                return TfrmCheckFiles::tr("Verdict");
            case 2:
                return TfrmCheckFiles::tr("What differed");
            default:
                return {};
        }
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) {
            return {};
        }
        const std::size_t at = static_cast<std::size_t>(index.row());
        const CheckRow& r = results_[at];
        if (role == Qt::DisplayRole) {
            switch (index.column()) {
                case 0:
                    return DecodedName(r.name);
                case 1:
                    return r.verdict == Verdict::NotChecked && !over_
                               ? QString()
                               : CheckTexts::Verdict(r.verdict);
                case 2:
                    return CheckTexts::Failure(Result(at));
                default:
                    return {};
            }
        }
        if (role == Qt::ToolTipRole && index.column() == 0) {
            const QString list = r.list < static_cast<std::size_t>(lists_.size())
                                     ? lists_[static_cast<qsizetype>(r.list)]
                                     : QString();
            const QString name = DecodedName(r.name);
            const QString path =
                name.startsWith(u'/') ? name : QFileInfo(list).absolutePath() + u'/' + name;
            return TfrmCheckFiles::tr("%1\n%2, line %3", "the file; the list, the line")
                .arg(path, list)
                .arg(r.line);
        }
        if (role == Qt::ForegroundRole && index.column() == 1 && r.verdict != Verdict::NotChecked) {
            return QBrush(VerdictColour(r.verdict, view_->palette()));
        }
        return {};
    }

private:
    static constexpr int kColumns = 3;
    const QWidget* view_;
    // What the report's texts are made from.
    EntryResult Result(std::size_t at) const {
        EntryResult result;
        result.verdict = results_[at].verdict;
        result.differs = results_[at].differs;
        const auto error = errors_.find(at);
        if (error != errors_.end()) {
            result.error = error->second;
        }
        return result;
    }

    CheckRows results_;
    std::map<std::size_t, std::string> errors_;  // rows whose file could not be read
    QStringList lists_;
    bool over_ = false;
};

QColor VerdictColour(Verdict verdict, const QPalette& palette) {
    // Green, red and amber as they read on a light list; on a dark one, or
    // any where they would not stand out, brought towards the text colour.
    QColor wanted;
    switch (verdict) {
        case Verdict::Ok:
            wanted = QColor(0x00, 0x80, 0x00);
            break;
        case Verdict::Failed:
            wanted = QColor(0xC0, 0x00, 0x00);
            break;
        case Verdict::Missing:
            wanted = QColor(0xA0, 0x60, 0x00);
            break;
        case Verdict::NotChecked:
            return palette.color(QPalette::Text);
    }
    return ReadableOn(wanted, palette.color(QPalette::Base), palette.color(QPalette::Text));
}

TfrmCheckFiles::TfrmCheckFiles(QWidget* parent)
    : QDialog(parent), check_(new BackgroundCheck(this)) {
    setObjectName(QStringLiteral("frmCheckFiles"));
    setWindowTitle(tr("Check Files Against List"));
    setSizeGripEnabled(true);

    ListsLbl = new QLabel(this);
    ListsLbl->setObjectName(QStringLiteral("ListsLbl"));
    ListsLbl->setWordWrap(true);
    ListsLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);

    MessagesBox = new QPlainTextEdit(this);
    MessagesBox->setObjectName(QStringLiteral("MessagesBox"));
    MessagesBox->setReadOnly(true);
    MessagesBox->setMaximumHeight(fontMetrics().lineSpacing() * 5 + 12);
    MessagesBox->hide();

    ResultsLst = new QTableView(this);
    ResultsLst->setObjectName(QStringLiteral("ResultsLst"));
    model_ = new CheckResultsModel(ResultsLst, this);
    ResultsLst->setModel(model_);
    ResultsLst->setSelectionBehavior(QAbstractItemView::SelectRows);
    ResultsLst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultsLst->setWordWrap(false);
    ResultsLst->verticalHeader()->hide();
    ResultsLst->horizontalHeader()->setStretchLastSection(true);
    ResultsLst->setColumnWidth(0, 300);
    FitToFont();

    FileLbl = new QLabel(this);
    FileLbl->setObjectName(QStringLiteral("FileLbl"));
    FilesBar = new QProgressBar(this);
    FilesBar->setObjectName(QStringLiteral("FilesBar"));
    FilesBar->setFormat(tr("%v of %m files", "the progress bar's own %v (done) and %m (all)"));
    ChunksBar = new QProgressBar(this);
    ChunksBar->setObjectName(QStringLiteral("ChunksBar"));
    SummaryLbl = new QLabel(this);
    SummaryLbl->setObjectName(QStringLiteral("SummaryLbl"));
    SummaryLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    btnCancel->setEnabled(false);
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListsLbl);
    layout->addWidget(MessagesBox);
    layout->addWidget(ResultsLst, 1);
    layout->addWidget(FileLbl);
    layout->addWidget(FilesBar);
    layout->addWidget(ChunksBar);
    layout->addWidget(SummaryLbl);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
    resize(640, 440);

    connect(btnCancel, &QPushButton::clicked, this, [this] {
        check_->Cancel();
        btnCancel->setEnabled(false);
        FileLbl->setText(tr("Cancelling..."));
    });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(check_, &BackgroundCheck::listsRead, this, &TfrmCheckFiles::ListsRead);
    connect(check_, &BackgroundCheck::progress, this, &TfrmCheckFiles::ShowProgress);
    connect(check_, &BackgroundCheck::resultsChanged, this,
            [this](const std::vector<VerdictUpdate>& updates) { model_->Apply(updates); });
    connect(check_, &BackgroundCheck::failed, this, &TfrmCheckFiles::AddMessage);
    connect(check_, &BackgroundCheck::finished, this, &TfrmCheckFiles::Finished);
}

int TfrmCheckFiles::VerdictColumnWidth(const QFontMetrics& metrics) {
    // Room for the widest verdict and the header with a cell's margins.
    int widest = metrics.horizontalAdvance(tr("Verdict"));
    for (const Verdict verdict :
         {Verdict::Ok, Verdict::Failed, Verdict::Missing, Verdict::NotChecked}) {
        widest = std::max(widest, metrics.horizontalAdvance(CheckTexts::Verdict(verdict)));
    }
    return std::max(kVerdictColumnWidth, widest + kCellRoom);
}

void TfrmCheckFiles::FitToFont() {
    ResultsLst->verticalHeader()->setDefaultSectionSize(ResultsLst->fontMetrics().height() + 4);
    ResultsLst->setColumnWidth(1, VerdictColumnWidth(ResultsLst->fontMetrics()));
}

void TfrmCheckFiles::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitToFont();
    } else if (event->type() == QEvent::PaletteChange) {
        ResultsLst->viewport()->update();
    }
}

TfrmCheckFiles::~TfrmCheckFiles() {
    check_->Stop();
}

bool TfrmCheckFiles::Checking() const {
    return check_->Running();
}

int TfrmCheckFiles::RowCount() const {
    return model_->rowCount();
}

QString TfrmCheckFiles::CellText(int row, int column) const {
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

void TfrmCheckFiles::CheckLists(const QStringList& listPaths) {
    check_->Stop();
    listPaths_ = listPaths;
    files_ = 0;
    model_->Reset({}, listPaths, false);
    MessagesBox->clear();
    MessagesBox->hide();
    ListsLbl->setText((listPaths.size() == 1 ? tr("List: %1") : tr("Lists: %1"))
                          .arg(listPaths.join(QStringLiteral(", "))));
    FileLbl->setText(listPaths.size() == 1 ? tr("Reading the list...")
                                           : tr("Reading the lists..."));
    for (QProgressBar* bar : {FilesBar, ChunksBar}) {
        bar->setRange(0, 1);
        bar->setValue(0);
    }
    SummaryLbl->clear();
    btnCancel->setEnabled(true);
    show();
    raise();
    activateWindow();
    check_->Start(listPaths, hashThreads);
}

void TfrmCheckFiles::AddMessage(const QString& text) {
    MessagesBox->appendPlainText(text);
    MessagesBox->show();
}

void TfrmCheckFiles::ListsRead(const QStringList& messages, CheckRows& entries) {
    const bool none = entries.empty();
    model_->Reset(std::move(entries), listPaths_, false);
    for (const QString& message : messages) {
        AddMessage(message);
    }
    FileLbl->setText(none ? QString() : tr("Looking for the files..."));
}

void TfrmCheckFiles::ShowProgress(const CheckProgress& p) {
    files_ = p.files;
    FileLbl->setText(tr("File %1 of %2: %3")
                         .arg(p.file)
                         .arg(p.files)
                         .arg(DecodedName(p.path.filename().native())));
    FilesBar->setRange(0, static_cast<int>(p.files));
    FilesBar->setValue(static_cast<int>(p.file - 1));
    ChunksBar->setRange(0, static_cast<int>(std::max<std::uint32_t>(p.chunks, 1)));
    ChunksBar->setValue(static_cast<int>(p.chunk));
}

void TfrmCheckFiles::Finished(bool completed) {
    model_->End();
    const VerdictCounts counts = model_->Counts();
    btnCancel->setEnabled(false);
    if (completed) {
        const int files = static_cast<int>(std::max<std::size_t>(files_, 1));
        FilesBar->setRange(0, files);
        FilesBar->setValue(files);
        ChunksBar->setValue(ChunksBar->maximum());
    }
    FileLbl->setText(completed ? QString() : tr("Cancelled."));
    SummaryLbl->setText(model_->rowCount() == 0 ? tr("Nothing to check.")
                                                : CheckTexts::Summary(counts));
    emit checkFinished(completed);
}

void TfrmCheckFiles::StopShown() {
    if (!check_->Running()) {
        return;
    }
    check_->Stop();
    model_->End();
    btnCancel->setEnabled(false);
    FileLbl->setText(tr("Cancelled."));
}

void TfrmCheckFiles::closeEvent(QCloseEvent* event) {
    StopShown();
    QDialog::closeEvent(event);  // rejects, which hides the dialog
}

void TfrmCheckFiles::reject() {
    StopShown();  // Esc rejects without a close event
    QDialog::reject();
}

}  // namespace lm
