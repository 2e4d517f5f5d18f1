// SPDX-License-Identifier: MIT
#include "sel_dir_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "dialog_host.h"
#include "dir_listing.h"
#include "hashing_worker.h"
#include "mask.h"
#include "path_names.h"
#include "sorted_names_model.h"

namespace lm {

namespace {

// How often a count shows what it found and lets the window's events through.
constexpr int kCountEventsMs = 10;

// Restores the cursor however the count ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TfrmSelDir::TfrmSelDir(Settings& settings, DialogHost& host, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host) {
    setObjectName(QStringLiteral("frmSelDir"));
    setWindowTitle(tr("Select Directory"));
    BuildControls();
    RebuildFileTypes();

    connect(DirLst->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    DirLstChange(QDir::toNativeSeparators(DirModel->filePath(current)));
                }
            });
    connect(DirModel, &QAbstractItemModel::rowsInserted, this, &TfrmSelDir::QueueViewCheck);
    connect(DirModel, &QAbstractItemModel::layoutChanged, this, &TfrmSelDir::QueueViewCheck);
    connect(DirLst->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { keepChosenInView_ = false; });
    DirLst->installEventFilter(this);
    DirLst->viewport()->installEventFilter(this);
    connect(FileTypes, &QComboBox::currentIndexChanged, this, [this] { AutoCount(FileTypes); });
    connect(RecurseDirs, &QCheckBox::clicked, this, [this](bool on) {
        settings_.Set(&SettingsValues::recurseDirectories, on);
        AutoCount(RecurseDirs);
    });
    connect(AutoCnt, &QCheckBox::clicked, this, [this](bool on) {
        settings_.Set(&SettingsValues::autoCountDirectories, on);
        AutoCount(AutoCnt);
    });
    connect(CountFiles, &QPushButton::clicked, this, [this] { CountFilesClick(CountFiles); });
    connect(OKBtn, &QPushButton::clicked, this, &TfrmSelDir::OKBtnClick);
    connect(CnclBtn, &QPushButton::clicked, this, &TfrmSelDir::CnclBtnClick);
    // The two boxes are stored settings; a load only shows them. A changed
    // file-type table is shown at once, with its default chosen.
    connect(&settings_, &Settings::changed, this, [this] {
        const SettingsValues v = settings_.Snapshot();
        if (v.fileTypes != builtTypes_ || v.defaultType != builtDefault_) {
            RebuildFileTypes();
        }
        const QSignalBlocker blockRecurse(RecurseDirs);
        const QSignalBlocker blockAuto(AutoCnt);
        RecurseDirs->setChecked(v.recurseDirectories);
        AutoCnt->setChecked(v.autoCountDirectories);
    });
}

QString TfrmSelDir::NumberUnknownText() {
    return tr("Number of files: ?");
}

TfrmSelDir::~TfrmSelDir() {
    stopCount_ = true;
    CancelListing = true;
}

void TfrmSelDir::BuildControls() {
    DirModel = new QFileSystemModel(this);
    DirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System |
                        QDir::Drives);
    DirModel->setReadOnly(true);  // no renaming in the tree
    DirModel->setRootPath(QString());

    DirLst = new QTreeView(this);
    DirLst->setObjectName(QStringLiteral("DirLst"));
    DirLst->setModel(DirModel);
    for (int column = 1; column < DirModel->columnCount(); ++column) {
        DirLst->hideColumn(column);
    }
    DirLst->header()->hide();
    DirLst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DirLst->setContextMenuPolicy(Qt::NoContextMenu);
    DirLst->setDragDropMode(QAbstractItemView::NoDragDrop);
    DirLst->setRootIsDecorated(false);
    DirLst->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen folder stays marked when the tree loses the focus.
    QPalette treeColors = DirLst->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        treeColors.setColor(QPalette::Inactive, role, treeColors.color(QPalette::Active, role));
    }
    DirLst->setPalette(treeColors);

    DirName = new QLineEdit(this);
    DirName->setObjectName(QStringLiteral("DirName"));
    DirName->setEnabled(false);

    auto* typesLabel = new QLabel(tr("File Types:"), this);

    FileTypes = new QComboBox(this);
    FileTypes->setObjectName(QStringLiteral("FileTypes"));
    FileTypes->addItem(QStringLiteral("All Files (*.*)"));

    FileNames = new TSortedNamesModel(this);
    FileLst = new QListView(this);
    FileLst->setObjectName(QStringLiteral("FileLst"));
    FileLst->setModel(FileNames);
    FileLst->setUniformItemSizes(true);
    FileLst->setEditTriggers(QAbstractItemView::NoEditTriggers);

    CountFiles = new QPushButton(tr("Count Files"), this);
    CountFiles->setObjectName(QStringLiteral("CountFiles"));
    CountFiles->setAutoDefault(false);

    FileNoLbl = new QLabel(NumberUnknownText(), this);
    FileNoLbl->setObjectName(QStringLiteral("FileNoLbl"));
    FileNoLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    RecurseDirs = new QCheckBox(tr("Recurse all subdirectories"), this);
    RecurseDirs->setObjectName(QStringLiteral("RecurseDirs"));

    AutoCnt = new QCheckBox(tr("Auto"), this);
    AutoCnt->setObjectName(QStringLiteral("AutoCnt"));
    AutoCnt->setToolTip(tr("Automatically Count Files"));

    CnclBtn = new QPushButton(tr("Cancel"), this);
    CnclBtn->setObjectName(QStringLiteral("CnclBtn"));
    CnclBtn->setAutoDefault(false);

    OKBtn = new QPushButton(tr("Open Directory"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);

    // The tree on the left with the chosen path under it; the type, the
    // count and the buttons on the right. Sizes follow the font, never
    // below the designed 529 by 273.
    DirLst->setMinimumSize(305, 233);
    FileTypes->setMinimumWidth(145);
    FileLst->setMinimumSize(201, 152);
    // Wide enough for both its texts, in any language.
    const int countText = CountFiles->sizeHint().width();
    CountFiles->setText(tr("Cancel"));
    const int cancelText = CountFiles->sizeHint().width();
    CountFiles->setText(tr("Count Files"));
    CountFiles->setMinimumSize(std::max({81, countText, cancelText}), 21);
    CnclBtn->setMinimumSize(81, 33);
    OKBtn->setMinimumSize(113, 33);

    auto* left = new QVBoxLayout;
    left->addWidget(DirLst, 1);
    left->addWidget(DirName);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(typesLabel);
    typeRow->addWidget(FileTypes, 1);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(CountFiles);
    countRow->addWidget(FileNoLbl, 1);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(RecurseDirs);
    optionRow->addStretch(1);
    optionRow->addWidget(AutoCnt);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(CnclBtn);
    buttonRow->addStretch(1);
    buttonRow->addWidget(OKBtn);
    auto* right = new QVBoxLayout;
    right->addLayout(typeRow);
    right->addWidget(FileLst, 1);
    right->addLayout(countRow);
    right->addLayout(optionRow);
    right->addLayout(buttonRow);
    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->addLayout(left, 1);
    top->addLayout(right);
    setFixedSize(sizeHint().expandedTo(QSize(529, 273)));

    const SettingsValues v = settings_.Snapshot();
    RecurseDirs->setChecked(v.recurseDirectories);
    AutoCnt->setChecked(v.autoCountDirectories);

    QWidget::setTabOrder(DirLst, DirName);
    QWidget::setTabOrder(DirName, FileTypes);
    QWidget::setTabOrder(FileTypes, FileLst);
    QWidget::setTabOrder(FileLst, RecurseDirs);
    QWidget::setTabOrder(RecurseDirs, CnclBtn);
    QWidget::setTabOrder(CnclBtn, OKBtn);
    QWidget::setTabOrder(OKBtn, CountFiles);
    QWidget::setTabOrder(CountFiles, AutoCnt);
}

void TfrmSelDir::RebuildFileTypes() {
    const SettingsValues v = settings_.Snapshot();
    builtTypes_ = v.fileTypes;
    builtDefault_ = v.defaultType;
    const QSignalBlocker block(FileTypes);
    FileTypes->clear();
    for (const FileType& type : v.fileTypes) {
        FileTypes->addItem(type.name);
    }
    const int chosen = v.defaultType - 1;
    FileTypes->setCurrentIndex(chosen >= 0 && chosen < FileTypes->count() ? chosen : -1);
}

void TfrmSelDir::SelectDirectory(const QString& dir) {
    if (dir.isEmpty() || KindOfPath(dir) != PathKind::Directory) {
        return;
    }
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(dir));
    // The tree knows folders by Qt's reading of their names.
    const QModelIndex index = DirModel->index(QString::fromUtf8(PathToBytes(clean)));
    if (index.isValid() && index != DirLst->currentIndex()) {
        DirLst->setCurrentIndex(index);  // reports the change itself
    } else {
        DirLstChange(QDir::toNativeSeparators(clean));
    }
    RevealChosen();
}

void TfrmSelDir::RevealChosen() {
    QModelIndex index = DirLst->currentIndex();
    if (!index.isValid()) {
        index = DirModel->index(QDir::rootPath());
    }
    for (QModelIndex open = index; open.isValid(); open = open.parent()) {
        DirLst->expand(open);  // lists it, if not yet done
    }
    keepChosenInView_ = true;
    KeepChosenInView();
}

void TfrmSelDir::KeepChosenInView() {
    const QModelIndex current = DirLst->currentIndex();
    if (keepChosenInView_ && current.isValid() && isVisible()) {
        DirLst->scrollTo(current, QAbstractItemView::PositionAtCenter);
    }
}

void TfrmSelDir::QueueViewCheck() {
    if (keepChosenInView_ && !viewCheckQueued_) {
        viewCheckQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            viewCheckQueued_ = false;
            KeepChosenInView();
        });
    }
}

bool TfrmSelDir::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DirLst || watched == DirLst->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
                keepChosenInView_ = false;
                break;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmSelDir::Counting() const {
    return counting_;
}

QString TfrmSelDir::ChosenMasks() const {
    const SettingsValues v = settings_.Snapshot();
    const int index = FileTypes->currentIndex();
    return index >= 0 && index < v.fileTypes.size() ? v.fileTypes[index].masks : QString();
}

void TfrmSelDir::DirLstChange(const QString& path) {
    // The tree reads names its own way: the folder is found again by its
    // bytes, and shown with a byte that is not UTF-8 as U+FFFD.
    dirPath_ = PathFromDialog(path);
    DirName->setText(DisplayPath(dirPath_));
    FileNames->Clear();
    FileNoLbl->setText(NumberUnknownText());
    AutoCount(DirLst);
}

void TfrmSelDir::AutoCount(QObject* trigger) {
    if (!AutoCnt->isChecked()) {
        return;
    }
    // A directory chosen while the dialog is hidden (the default directory
    // typed into the preferences letter by letter, the settings load, the
    // main window before opening) is counted once the dialog shows, not for
    // every step on the way.
    if (!isVisible()) {
        countWhenShown_ = true;
        return;
    }
    CountFilesClick(trigger);
}

void TfrmSelDir::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RevealChosen();
    QueueViewCheck();  // once the dialog has its final size too
    if (countWhenShown_) {
        countWhenShown_ = false;
        // After the dialog has appeared.
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) {
                CountFilesClick(DirLst);
            }
        });
    }
}

void TfrmSelDir::CountFilesClick(QObject* trigger) {
    if (Counting()) {
        // Runs inside the count's event processing: only tell it to stop.
        stopCount_ = true;
        CancelListing = true;
        if (trigger != CountFiles) {
            RecountPending = true;
        }
        return;
    }
    // A recount asked for during a count runs once that count has ended.
    do {
        RecountPending = false;
        CountOnce();
    } while (RecountPending);
}

void TfrmSelDir::CountOnce() {
    const BusyCursor busy;
    stopCount_ = false;
    counting_ = true;
    CountFiles->setText(tr("Cancel"));
    QCoreApplication::processEvents();
    if (stopCount_) {  // cancelled before it began
        counting_ = false;
        CountFiles->setText(tr("Count Files"));
        return;
    }

    FileNames->Clear();
    FileNoLbl->setText(NumberUnknownText());
    QStringList found;
    qsizetype shown = 0;
    bool failed = false;
    // The names found so far go into the list a batch at a time, and the
    // window's events are let through after each batch: the first names one
    // by one, then batches of an eighth of what is shown or of what came in
    // the last moment, so that a count of many files costs O(n log n).
    auto showFound = [&] {
        FileNames->Add(found.mid(shown));
        shown = found.size();
    };
    QElapsedTimer sinceShown;
    sinceShown.start();
    try {
        ListDirFiles(dirPath_, ChosenMasks(), found, RecurseDirs->isChecked(), false, [&] {
            const qsizetype waiting = found.size() - shown;
            if (waiting * 8 >= shown || sinceShown.elapsed() >= kCountEventsMs) {
                showFound();
                QCoreApplication::processEvents();
                sinceShown.restart();
            }
            // A nested listing (Open Directory) clears the
            // flag; ours is kept here.
            if (stopCount_) {
                CancelListing = true;
            }
        });
    } catch (const EMaskException& e) {
        failed = true;
        host_.ShowError(e.Message());
    }
    showFound();
    if (!failed && !stopCount_ && !CancelListing) {
        // The list widens its own scroll range to the longest name.
        FileNoLbl->setText(tr("Number of files: %1").arg(FileNames->Count()));
    }
    counting_ = false;
    CountFiles->setText(tr("Count Files"));
}

void TfrmSelDir::OKBtnClick() {
    if (Counting()) {
        stopCount_ = true;
        CancelListing = true;
    }
    QDialog::accept();
    QCoreApplication::processEvents();

    const QString dir = dirPath_;
    if (!dir.isEmpty()) {  // nothing chosen keeps the last directory
        settings_.Set(&SettingsValues::lastFilePath, dir);
    }
    // The window keeps painting while a large folder is listed and added.
    const FilesToAdd found =
        ListFilesToAdd(dir, ChosenMasks(), RecurseDirs->isChecked(), EventsEvery(kCountEventsMs));
    if (!found.maskError.isEmpty()) {
        host_.ShowError(found.maskError);
        return;
    }
    const ListingEventHook events = EventsEvery(kCountEventsMs);
    for (const QString& path : found.paths) {
        host_.AddFileIfThere(path);
        events();
    }
    if (settings_.Snapshot().presortFiles && host_.FileCount() > 1) {
        host_.SortEntries();
    }
    host_.StartHashing();
}

void TfrmSelDir::CnclBtnClick() {
    stopCount_ = true;
    CancelListing = true;
    QDialog::reject();
    ShowStatusAfterCancel();
}

void TfrmSelDir::reject() {
    CnclBtnClick();
}

void TfrmSelDir::ShowStatusAfterCancel() {
    const int remaining = host_.FilesRemaining();
    if (remaining == 0) {
        host_.SetStatusText(1, HashingWorker::IdleText());
        return;
    }
    host_.SetStatusText(1, HashingWorker::RemainingText(host_.HashingPaused(), remaining));
}

}  // namespace lm
