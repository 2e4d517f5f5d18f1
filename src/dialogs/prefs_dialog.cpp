// SPDX-License-Identifier: MIT
#include "prefs_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "dialog_host.h"
#include "dialog_resources.h"
#include "hint_window_ex.h"
#include "palette_colours.h"
#include "recase_link.h"
#include "sel_dir_dialog.h"
#include "shell_integration.h"

namespace lm {

namespace {

constexpr int kFixedSounds = 7;  // "none" to "Beep"; item 7 is the custom file

QTableWidgetItem* MarkerItem(bool isDefault) {
    auto* item = new QTableWidgetItem(isDefault ? QStringLiteral("*") : QString());
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

}  // namespace

TfrmPrefs::TfrmPrefs(Settings& settings, DialogHost& host, TfrmSelDir* selDir,
                     ShellIntegration* shell, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), selDir_(selDir), shell_(shell) {
    InitDialogResources();
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(tr("Preferences"));
    BuildControls();
    applied_ = settings_.Snapshot();
    ShowValues(applied_);
    ConnectControls();

    Timer1.setInterval(kCursorHintMs);
    Timer1.setSingleShot(false);
    connect(&Timer1, &QTimer::timeout, this, &TfrmPrefs::Timer1Timer);
    connect(&settings_, &Settings::changed, this, &TfrmPrefs::SettingsChanged);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmPrefs::~TfrmPrefs() = default;

TfrmPrefs::FileTypeSizes TfrmPrefs::FileTypeSizesFor(const QFontMetrics& metrics) {
    // The designed 10 px marker column, 120 px columns and 16 px rows, as
    // much larger as the font needs for the "*", the headers and a line.
    FileTypeSizes sizes;
    sizes.markerWidth = std::max(10, metrics.horizontalAdvance(u'*') + 4);
    const int header = std::max(metrics.horizontalAdvance(tr("File type name")),
                                metrics.horizontalAdvance(tr("File mask")));
    sizes.columnWidth = std::max(120, header + 16);
    sizes.rowHeight = std::max(16, metrics.height() + 2);
    return sizes;
}

void TfrmPrefs::FitFileTypesToFont() {
    const FileTypeSizes sizes = FileTypeSizesFor(FileTypesLst->fontMetrics());
    FileTypesLst->verticalHeader()->setMinimumSectionSize(sizes.rowHeight);
    FileTypesLst->verticalHeader()->setDefaultSectionSize(sizes.rowHeight);
    FileTypesLst->horizontalHeader()->setMinimumSectionSize(sizes.markerWidth);
    FileTypesLst->setColumnWidth(0, sizes.markerWidth);
    // Widened to the font, never narrowed: the user may have widened them.
    for (const int column : {1, 2}) {
        FileTypesLst->setColumnWidth(
            column, std::max(FileTypesLst->columnWidth(column), sizes.columnWidth));
    }
    FileTypesLst->setMinimumSize(std::max(262, sizes.markerWidth + 2 * sizes.columnWidth + 12),
                                 std::max(130, 130 * sizes.rowHeight / 16));
}

void TfrmPrefs::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitFileTypesToFont();
    } else if (event->type() == QEvent::PaletteChange) {
        PlaySnd->setIcon(PlaySoundIcon(palette()));
    }
}

QIcon TfrmPrefs::PlaySoundIcon(const QPalette& palette) {
    // The speaker and its sound arcs stand on the button itself: drawn
    // light on a dark one.
    InitDialogResources();
    return ScaledIcon(QStringLiteral(":/dialogs/play_sound.png"),
                      {qRgb(40, 40, 40), qRgb(30, 90, 200)}, palette);
}

QString TfrmPrefs::DefaultDirError() {
    return tr(
        "Error: Default Directory path does not exist.\r\n"
        "Please choose a real directory or leave it blank.");
}

bool TfrmPrefs::IsContextMenuRegistered() const {
    return shell_ != nullptr && shell_->IsRegistered();
}

void TfrmPrefs::BuildControls() {
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1StringView(name));
        return widget;
    };

    DefaultDir = named(new QLineEdit(this), "DefaultDir");
    SelDefDir = named(new QToolButton(this), "SelDefDir");
    SelDefDir->setText(QStringLiteral("..."));
    SelDefDir->setToolTip(tr("Select Directory"));

    DefFilTyp = named(new QComboBox(this), "DefFilTyp");
    DefFilTyp->setToolTip(
        tr("Default file types shown when selecting files or using drag and drop"));
    DefFilTyp->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DefFilTyp->setMinimumContentsLength(20);

    BeepType = named(new QComboBox(this), "BeepType");
    BeepType->setToolTip(tr("Note: Some system sounds may not be assigned on your computer"));
    // The system's alert sounds, by the names Windows gives them.
    BeepType->addItems({tr("none", "alert sound"), tr("OK", "alert sound"),
                        tr("Hand", "alert sound"), tr("Question", "alert sound"),
                        tr("Exclamation", "alert sound"), tr("Asterisk", "alert sound"),
                        tr("Beep", "alert sound")});
    BeepType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    BeepType->setMinimumContentsLength(12);
    BeepType->setMouseTracking(true);
    BeepType->installEventFilter(this);
    PlaySnd = named(new QToolButton(this), "PlaySnd");
    PlaySnd->setIcon(PlaySoundIcon(palette()));
    PlaySnd->setToolTip(tr("Play Sound"));
    AddSnd = named(new QToolButton(this), "AddSnd");
    AddSnd->setText(QStringLiteral("..."));
    AddSnd->setToolTip(tr("Add Custom Sound"));

    ThrdPri = named(new QComboBox(this), "ThrdPri");
    ThrdPri->addItems({tr("Idle", "thread priority"), tr("Lowest", "thread priority"),
                       tr("Lower", "thread priority"), tr("Normal", "thread priority"),
                       tr("Higher", "thread priority")});
    ThrdPri->setToolTip(tr("Hash thread priority (recommended: Lower or Normal)"));

    FileTypesLst = named(new QTableWidget(0, 3, this), "FileTypesLst");
    FileTypesLst->setHorizontalHeaderLabels({QString(), tr("File type name"), tr("File mask")});
    FileTypesLst->verticalHeader()->hide();
    FileTypesLst->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FileTypesLst->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    FileTypesLst->horizontalHeader()->setStretchLastSection(false);
    FileTypesLst->setSelectionMode(QAbstractItemView::SingleSelection);
    FileTypesLst->setEditTriggers(QAbstractItemView::AllEditTriggers);
    FileTypesLst->setFocusPolicy(Qt::ClickFocus);  // not in the Tab order
    FitFileTypesToFont();
    FileTypesLst->viewport()->installEventFilter(this);

    AddFileType = named(new QPushButton(tr("Add File Type"), this), "AddFileType");
    AddFileType->setToolTip(tr("Add new file type to file types list"));
    DelFileType = named(new QPushButton(tr("Del File Type"), this), "DelFileType");
    DelFileType->setToolTip(
        tr("Selete currently selected file type", "\"Selete\": a slip for \"Delete\""));
    DelFileType->setEnabled(false);

    auto box = [&](const char* name, const QString& caption, const QString& hint) {
        auto* check = named(new QCheckBox(caption, this), name);
        if (!hint.isEmpty()) {
            check->setToolTip(hint);
        }
        return check;
    };
    StripPaths = box("StripPaths", tr("Strip File Paths"), tr("Strip file path from ED2K links"));
    ShowInfoWin = box("ShowInfoWin", tr("Show File Info Window"),
                      tr("Show other hashes for files in separate window"));
    LowercaseHashes = box("LowercaseHashes", tr("Lowercase Hash Strings"),
                          tr("Controls if letters in hex strings are in upper or lower case"));
    MinToTray = box("MinToTray", tr("Minimize to System Tray"),
                    tr("Minimizing program sends it to the system tray"));
    TrailingSlash = box("TrailingSlash", tr("Include Trailing Slash"),
                        tr("Adds a trailing slash to ED2K links (not usually required)"));
    RunFromExplorer = box("RunFromExplorer", tr("Run From Explorer"),
                          tr("Adds Linkmint to pop-up when right-clicking on files"));
    // A single "&" would mark a shortcut; doubled it shows as itself.
    DragDropAll =
        box("DragDropAll", tr("Use *.* For Drag && Drop"),
            tr("Use *.* for directories dropped on form instead of Default File Type mask"));
    PresortFiles =
        box("PresortFiles", tr("Sort Added Files"), tr("Adds files to list in sorted positions"));
    PreselFiles = box("PreselFiles", tr("Preselect Added Files"), tr("Adds new files as selected"));
    KeepOnXit = box("KeepOnXit", tr("Keep Files On Exit"), QString());
    AichHash = box("AichHash", tr("Add AICH hash"),
                   tr("Adds the AICH root hash (h=) to ED2K links, with which clients repair "
                      "damaged parts"));
    PartHashes = box("PartHashes", tr("Add part hashes"),
                     tr("Adds the part hashes (p=) to ED2K links of files larger than one part"));
    OverallProgress = box("OverallProgress", tr("Show Overall Progress"),
                          tr("Shows, while hashing, how many MB of all files are read, the speed "
                             "and the time left, in the status bar and the tray icon's tip"));

    GoIdle = named(new QRadioButton(tr("Go to Idle Mode (default)"), this), "GoIdle");
    Copy2Clip = named(new QRadioButton(tr("Copy to Clipboard"), this), "Copy2Clip");
    CopySel2Clip = named(new QRadioButton(tr("Copy Selected to Clipboard"), this), "CopySel2Clip");
    CopyNExit = named(new QRadioButton(tr("Copy to Clipboard && Exit"), this), "CopyNExit");

    btnOK = named(new QPushButton(tr("OK"), this), "btnOK");
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);

    // --- layout: the directory across the top, the lists and the table on
    // the left, the options on the right ---
    auto* top = new QGridLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setHorizontalSpacing(12);
    top->setVerticalSpacing(4);

    top->addWidget(
        new QLabel(tr("Default Directory: (leave blank to start on last used directory)"), this), 0,
        0, 1, 2);
    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(DefaultDir, 1);
    dirRow->addWidget(SelDefDir);
    top->addLayout(dirRow, 1, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new QLabel(tr("Default File Type:"), this));
    left->addWidget(DefFilTyp);
    left->addWidget(new QLabel(tr("Completion Alert Sound:"), this));
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(BeepType, 1);
    soundRow->addWidget(PlaySnd);
    soundRow->addWidget(AddSnd);
    left->addLayout(soundRow);
    left->addWidget(new QLabel(tr("Thread Priority:"), this));
    left->addWidget(ThrdPri);
    left->addWidget(new QLabel(tr("File Types:"), this));
    left->addWidget(FileTypesLst, 1);
    auto* typeButtons = new QHBoxLayout;
    typeButtons->addWidget(AddFileType);
    typeButtons->addWidget(DelFileType);
    typeButtons->addStretch(1);
    left->addLayout(typeButtons);
    top->addLayout(left, 2, 0);

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(new QLabel(tr("Other Options:"), this));
    for (QCheckBox* check : {StripPaths, ShowInfoWin, LowercaseHashes, MinToTray, TrailingSlash,
                             RunFromExplorer, DragDropAll, PresortFiles, PreselFiles, KeepOnXit,
                             AichHash, PartHashes, OverallProgress}) {
        right->addWidget(check);
    }
    auto* group = new QGroupBox(tr("When All Files Are Read:"), this);
    group->setObjectName(QStringLiteral("OnCompletionGroup"));
    auto* radios = new QVBoxLayout(group);
    radios->setSpacing(2);
    for (QRadioButton* radio : {GoIdle, Copy2Clip, CopySel2Clip, CopyNExit}) {
        radios->addWidget(radio);
    }
    right->addSpacing(4);
    right->addWidget(group);
    right->addStretch(1);
    top->addLayout(right, 2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    btnOK->setMinimumWidth(81);
    bottom->addWidget(btnOK);
    top->addLayout(bottom, 3, 0, 1, 2);
}

void TfrmPrefs::ConnectControls() {
    const std::pair<QCheckBox*, bool SettingsValues::*> boxes[] = {
        {StripPaths, &SettingsValues::stripPath},
        {ShowInfoWin, &SettingsValues::showInfoWin},
        {LowercaseHashes, &SettingsValues::lowercaseHashes},
        {MinToTray, &SettingsValues::minimizeToTray},
        {TrailingSlash, &SettingsValues::trailingSlash},
        {RunFromExplorer, &SettingsValues::runFromExplorer},
        {DragDropAll, &SettingsValues::dirDragDropAll},
        {PresortFiles, &SettingsValues::presortFiles},
        {PreselFiles, &SettingsValues::preselectFiles},
        {KeepOnXit, &SettingsValues::keepFilesOnExit},
        {AichHash, &SettingsValues::aichHash},
        {PartHashes, &SettingsValues::partHashes},
        {OverallProgress, &SettingsValues::overallProgress},
    };
    for (const auto& [check, field] : boxes) {
        connect(check, &QCheckBox::toggled, this,
                [this, field = field](bool on) { settings_.Set(field, on); });
    }
    const std::pair<QRadioButton*, OnCompletion> radios[] = {
        {GoIdle, OnCompletion::GoIdle},
        {Copy2Clip, OnCompletion::CopyToClipboard},
        {CopySel2Clip, OnCompletion::CopySelectedToClipboard},
        {CopyNExit, OnCompletion::CopyToClipAndExit},
    };
    for (const auto& [radio, action] : radios) {
        connect(radio, &QRadioButton::toggled, this, [this, action = action](bool on) {
            if (on) {
                settings_.Set(&SettingsValues::onCompletion, action);
            }
        });
    }

    connect(DefaultDir, &QLineEdit::textChanged, this, [this](const QString& text) {
        settings_.Set(&SettingsValues::defaultDirectory, text);
    });
    connect(SelDefDir, &QToolButton::clicked, this, &TfrmPrefs::SelDefDirClick);
    connect(ThrdPri, &QComboBox::activated, this, [this](int index) {
        settings_.Set(&SettingsValues::threadPriority, static_cast<ThreadPriority>(index));
    });
    connect(BeepType, &QComboBox::activated, this, [this](int index) {
        HideCursorHint(SoundHintWin, Timer1);
        settings_.Set(&SettingsValues::notifySound, index);
    });
    connect(PlaySnd, &QToolButton::clicked, this, [this] { host_.PlayNotifySound(); });
    connect(AddSnd, &QToolButton::clicked, this, &TfrmPrefs::AddSndClick);

    connect(DefFilTyp, &QComboBox::activated, this, &TfrmPrefs::DefFilTypChange);
    connect(AddFileType, &QPushButton::clicked, this, &TfrmPrefs::AddFileTypeClick);
    connect(DelFileType, &QPushButton::clicked, this, &TfrmPrefs::DelFileTypeClick);
    connect(FileTypesLst, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { FileTypesLstSelectCell(row, column); });
    connect(FileTypesLst, &QTableWidget::cellPressed, this, &TfrmPrefs::FileTypesLstSelectCell);
    connect(FileTypesLst, &QTableWidget::cellChanged, this, &TfrmPrefs::FileTypesLstSetEditText);
    connect(btnOK, &QPushButton::clicked, this, &TfrmPrefs::btnOKClick);
}

// ---------------------------------------------------------------------------
// Settings in, settings out

void TfrmPrefs::SettingsChanged() {
    const SettingsValues v = settings_.Snapshot();
    const SettingsValues old = std::exchange(applied_, v);
    ShowValues(v);

    // The reactions of the controls, for whatever changed them.
    if (v.showInfoWin != old.showInfoWin) {
        host_.SetInfoWinVisible(v.showInfoWin);
    }
    if (v.lowercaseHashes != old.lowercaseHashes) {
        RecaseAll(v.lowercaseHashes);
    }
    if (v.aichHash != old.aichHash || v.partHashes != old.partHashes) {
        RerenderAll();
    }
    if (v.onCompletion != old.onCompletion) {
        host_.SetExitWhenDoneVisible(v.onCompletion == OnCompletion::CopyToClipboard ||
                                     v.onCompletion == OnCompletion::CopySelectedToClipboard);
    }
    if (v.threadPriority != old.threadPriority) {
        host_.SetWorkerPriority(v.threadPriority);
    }
    if (v.defaultDirectory != old.defaultDirectory) {
        ApplyDefaultDir(v.defaultDirectory);
    }
    if (v.runFromExplorer != old.runFromExplorer) {
        RunFromExplorerChanged(v.runFromExplorer);
    }
}

void TfrmPrefs::ShowValues(const SettingsValues& v) {
    const std::pair<QCheckBox*, bool> boxes[] = {
        {StripPaths, v.stripPath},
        {ShowInfoWin, v.showInfoWin},
        {LowercaseHashes, v.lowercaseHashes},
        {MinToTray, v.minimizeToTray},
        {TrailingSlash, v.trailingSlash},
        {RunFromExplorer, v.runFromExplorer},
        {DragDropAll, v.dirDragDropAll},
        {PresortFiles, v.presortFiles},
        {PreselFiles, v.preselectFiles},
        {KeepOnXit, v.keepFilesOnExit},
        {AichHash, v.aichHash},
        {PartHashes, v.partHashes},
        {OverallProgress, v.overallProgress},
    };
    for (const auto& [check, on] : boxes) {
        const QSignalBlocker block(check);
        check->setChecked(on);
    }
    QRadioButton* radio = GoIdle;
    switch (v.onCompletion) {
        case OnCompletion::GoIdle:
            radio = GoIdle;
            break;
        case OnCompletion::CopyToClipboard:
            radio = Copy2Clip;
            break;
        case OnCompletion::CopySelectedToClipboard:
            radio = CopySel2Clip;
            break;
        case OnCompletion::CopyToClipAndExit:
            radio = CopyNExit;
            break;
    }
    for (QRadioButton* r : {GoIdle, Copy2Clip, CopySel2Clip, CopyNExit}) {
        const QSignalBlocker block(r);
        r->setChecked(r == radio);
    }
    if (DefaultDir->text() != v.defaultDirectory) {
        const QSignalBlocker block(DefaultDir);
        DefaultDir->setText(v.defaultDirectory);
    }
    {
        const QSignalBlocker block(ThrdPri);
        ThrdPri->setCurrentIndex(std::clamp(static_cast<int>(v.threadPriority), 0, 4));
    }
    {
        const QSignalBlocker block(BeepType);
        while (BeepType->count() > kFixedSounds) {
            BeepType->removeItem(kFixedSounds);
        }
        if (!v.customSoundPath.isEmpty()) {
            BeepType->addItem(v.customSoundPath);
        }
        const int sound = v.notifySound;
        BeepType->setCurrentIndex(sound >= 0 && sound < BeepType->count() ? sound : 0);
    }
    ShowFileTypes(v);
}

void TfrmPrefs::ShowFileTypes(const SettingsValues& v) {
    // Only when they differ from what the table shows: rebuilding under the
    // user's cell editor would lose the edit.
    QList<FileType> shown;
    for (int row = 0; row < FileTypesLst->rowCount(); ++row) {
        shown.append({CellText(FileTypesLst, row, 1), CellText(FileTypesLst, row, 2)});
    }
    const int chosen = v.defaultType - 1;
    if (shown == v.fileTypes && DefFilTyp->currentIndex() == chosen) {
        return;
    }
    // A table from elsewhere (the load): no row of the old one stays chosen.
    SelFileTypeRow_ = -1;
    DelFileType->setEnabled(false);
    const QSignalBlocker blockGrid(FileTypesLst);
    const QSignalBlocker blockList(DefFilTyp);
    FileTypesLst->setRowCount(static_cast<int>(v.fileTypes.size()));
    DefFilTyp->clear();
    for (int row = 0; row < v.fileTypes.size(); ++row) {
        FileTypesLst->setItem(row, 0, MarkerItem(row == chosen));
        FileTypesLst->setItem(row, 1, new QTableWidgetItem(v.fileTypes[row].name));
        FileTypesLst->setItem(row, 2, new QTableWidgetItem(v.fileTypes[row].masks));
        DefFilTyp->addItem(v.fileTypes[row].name);
    }
    DefFilTyp->setCurrentIndex(chosen >= 0 && chosen < DefFilTyp->count() ? chosen : -1);
}

void TfrmPrefs::StoreFileTypes() {
    QList<FileType> types;
    for (int row = 0; row < FileTypesLst->rowCount(); ++row) {
        types.append({CellText(FileTypesLst, row, 1), CellText(FileTypesLst, row, 2)});
    }
    // Table and default in one change: a listener never sees one without
    // the other.
    SettingsValues v = settings_.Snapshot();
    v.fileTypes = types;
    v.defaultType = DefFilTyp->currentIndex() + 1;
    settings_.Replace(v);
}

// ---------------------------------------------------------------------------
// File types

void TfrmPrefs::AddFileTypeClick() {
    const int row = FileTypesLst->rowCount();
    {
        const QSignalBlocker block(FileTypesLst);
        FileTypesLst->insertRow(row);
        FileTypesLst->setItem(row, 0, MarkerItem(false));
        FileTypesLst->setItem(row, 1, new QTableWidgetItem);
        FileTypesLst->setItem(row, 2, new QTableWidgetItem);
    }
    {
        const QSignalBlocker block(DefFilTyp);
        DefFilTyp->addItem(QString());
    }
    StoreFileTypes();
}

void TfrmPrefs::FileTypesLstSelectCell(int tableRow, int column) {
    if (tableRow < 0 || (column != 1 && column != 2) || FileTypesLst->rowCount() <= 1) {
        return;
    }
    SelFileTypeRow_ = tableRow + 1;
    DelFileType->setEnabled(true);
}

void TfrmPrefs::DelFileTypeClick() {
    const int row = SelFileTypeRow_;
    if (row < 1 || row > FileTypesLst->rowCount() || FileTypesLst->rowCount() <= 1) {
        return;
    }
    DelFileType->setEnabled(false);
    // No cell stays current: the row taking the deleted one's place would
    // become current and open its editor with the name selected, for the
    // next key to replace. An edit still open is kept first.
    FileTypesLst->selectionModel()->clearCurrentIndex();
    const bool wasDefault = DefFilTyp->currentIndex() == row - 1;
    {
        const QSignalBlocker blockList(DefFilTyp);
        const QSignalBlocker blockGrid(FileTypesLst);
        DefFilTyp->removeItem(row - 1);
        FileTypesLst->removeRow(row - 1);
        if (wasDefault) {
            DefFilTyp->setCurrentIndex(-1);
        }
    }
    SelFileTypeRow_ = -1;
    if (DefFilTyp->currentIndex() < 0 && DefFilTyp->count() > 0) {
        const QSignalBlocker block(DefFilTyp);
        DefFilTyp->setCurrentIndex(0);
    }
    DefFilTypChange();
}

void TfrmPrefs::DefFilTypChange() {
    const int chosen = DefFilTyp->currentIndex();
    const QSignalBlocker block(FileTypesLst);
    for (int row = 0; row < FileTypesLst->rowCount(); ++row) {
        FileTypesLst->setItem(row, 0, MarkerItem(row == chosen));
    }
    StoreFileTypes();
}

void TfrmPrefs::FileTypesLstSetEditText(int tableRow, int column) {
    if (column == 1 && tableRow < DefFilTyp->count()) {
        const QSignalBlocker block(DefFilTyp);
        DefFilTyp->setItemText(tableRow, CellText(FileTypesLst, tableRow, 1));
    }
    if (column == 1 || column == 2) {
        StoreFileTypes();
    }
}

void TfrmPrefs::FileTypesLstRowMoved(int from, int to) {
    const int rows = FileTypesLst->rowCount();
    if (from < 1 || to < 1 || from > rows || to > rows || from == to) {
        return;
    }
    const int chosen = DefFilTyp->currentIndex();
    const bool movedDefault = chosen == from - 1;
    {
        const QSignalBlocker blockGrid(FileTypesLst);
        QList<QTableWidgetItem*> cells;
        for (int column = 0; column < 3; ++column) {
            cells.append(FileTypesLst->takeItem(from - 1, column));
        }
        FileTypesLst->removeRow(from - 1);
        FileTypesLst->insertRow(to - 1);
        for (int column = 0; column < 3; ++column) {
            FileTypesLst->setItem(to - 1, column, cells[column]);
        }
        const QSignalBlocker blockList(DefFilTyp);
        const QString name = DefFilTyp->itemText(from - 1);
        DefFilTyp->removeItem(from - 1);
        DefFilTyp->insertItem(to - 1, name);
        // The "*" stays on its row; the list follows it.
        int marked = -1;
        for (int row = 0; row < FileTypesLst->rowCount(); ++row) {
            if (CellText(FileTypesLst, row, 0) == QLatin1StringView("*")) {
                marked = row;
            }
        }
        DefFilTyp->setCurrentIndex(movedDefault ? to - 1 : marked);
    }
    if (SelFileTypeRow_ == from) {
        SelFileTypeRow_ = to;
    }
    StoreFileTypes();
}

// ---------------------------------------------------------------------------
// Immediate effects

void TfrmPrefs::ApplyDefaultDir(const QString& dir) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        return;
    }
    host_.SetOpenDialogDirectory(dir);
    if (selDir_ != nullptr) {
        selDir_->SelectDirectory(dir);
    }
}

void TfrmPrefs::RecaseAll(bool lower) {
    if (host_.ListRowCount() == 0) {
        return;
    }
    host_.EditEntries([lower](TFileData& entry) { RecaseEntry(entry, lower); });
    host_.UpdateInfoWin();
}

void TfrmPrefs::RerenderAll() {
    if (host_.ListRowCount() == 0) {
        return;
    }
    host_.RerenderLinks();
    host_.UpdateInfoWin();
}

void TfrmPrefs::RunFromExplorerChanged(bool on) {
    if (shell_ == nullptr) {
        return;
    }
    const QStringList errors = on ? shell_->Register() : shell_->Unregister();
    for (const QString& error : errors) {
        host_.ShowError(error);
    }
}

void TfrmPrefs::SelDefDirClick() {
    const QString text = DefaultDir->text();
    const QString start = QFileInfo(text).isDir() ? text : QDir::rootPath();
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Select Default Directory"), start);
    if (!chosen.isEmpty()) {
        DefaultDir->setText(QDir::toNativeSeparators(chosen));
    }
}

void TfrmPrefs::AddSndClick() {
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Wave files (*.wav)"), tr("MIDI files (*.mid)")});
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setDirectory(settings_.Snapshot().lastSoundPath);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        SetCustomSound(dialog.selectedFiles().constFirst());
    }
}

void TfrmPrefs::SetCustomSound(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return;
    }
    HideCursorHint(SoundHintWin, Timer1);
    settings_.Set(&SettingsValues::customSoundPath, QDir::toNativeSeparators(path));
    settings_.Set(&SettingsValues::notifySound, kFixedSounds);
    settings_.Set(&SettingsValues::lastSoundPath,
                  QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

void TfrmPrefs::Timer1Timer() {
    HideCursorHint(SoundHintWin, Timer1);
}

// ---------------------------------------------------------------------------
// Closing

bool TfrmPrefs::DefaultDirValid() const {
    const QString dir = DefaultDir->text();
    return dir.isEmpty() || QFileInfo(dir).isDir();
}

void TfrmPrefs::CommitCellEdit() {
    // The cell editor, if one is open, is the current cell's.
    QWidget* editor = FileTypesLst->indexWidget(FileTypesLst->currentIndex());
    if (editor != nullptr) {
        QAbstractItemDelegate* delegate = FileTypesLst->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }
}

bool TfrmPrefs::CloseQuery() {
    // The close box takes no focus from an open cell editor: what it holds
    // is taken in first, so that it is saved too.
    CommitCellEdit();
    const bool valid = DefaultDirValid();
    if (!valid) {
        host_.ShowError(DefaultDirError());
    }
    // Written whether or not the dialog closes.
    host_.SaveIniFile();
    return valid;
}

void TfrmPrefs::btnOKClick() {
    // OK asks to close only with a valid directory; otherwise it says why
    // and the dialog stays, unsaved.
    if (!DefaultDirValid()) {
        host_.ShowError(DefaultDirError());
        return;
    }
    if (CloseQuery()) {
        QDialog::accept();
    }
}

void TfrmPrefs::reject() {
    if (CloseQuery()) {
        QDialog::reject();
    }
}

void TfrmPrefs::closeEvent(QCloseEvent* event) {
    if (!isVisible() || CloseQuery()) {
        HideCursorHint(SoundHintWin, Timer1);
        QDialog::done(QDialog::Rejected);
        event->accept();
    } else {
        event->ignore();
    }
}

void TfrmPrefs::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmPrefs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BeepType) {
        switch (event->type()) {
            case QEvent::MouseMove:
                if (BeepType->currentIndex() == kFixedSounds && !BeepType->view()->isVisible()) {
                    ShowCursorHint(this, SoundHintWin, Timer1, BeepType->itemText(kFixedSounds));
                }
                break;
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:  // the keyboard opens the list too
                HideCursorHint(SoundHintWin, Timer1);
                break;
            default:
                break;
        }
    } else if (watched == FileTypesLst->viewport() &&
               (event->type() == QEvent::MouseButtonPress ||
                event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (event->type() == QEvent::MouseButtonPress) {
            // A drag of a marker cell moves its row.
            dragFromRow_ = mouse->button() == Qt::LeftButton && FileTypesLst->columnAt(at.x()) == 0
                               ? FileTypesLst->rowAt(at.y())
                               : -1;
        } else if (dragFromRow_ >= 0) {
            int to = FileTypesLst->rowAt(at.y());
            if (to < 0) {
                // Above the first row is the first row; below the last, the last.
                to = at.y() < FileTypesLst->rowViewportPosition(0) ? 0
                                                                   : FileTypesLst->rowCount() - 1;
            }
            const int from = std::exchange(dragFromRow_, -1);
            FileTypesLstRowMoved(from + 1, to + 1);
        } else {
            FileTypesLstSelectCell(FileTypesLst->rowAt(at.y()), FileTypesLst->columnAt(at.x()));
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lm
