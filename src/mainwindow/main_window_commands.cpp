// SPDX-License-Identifier: MIT
// The menu and toolbar commands of the main window and their enable rules.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

#include "about_dialog.h"
#include "add_files_dialog.h"
#include "clipboard_text.h"
#include "dat_lst.h"
#include "dir_listing.h"
#include "image_list.h"
#include "info_win.h"
#include "link_file_writer.h"
#include "list_rows.h"
#include "main_window.h"
#include "mask.h"
#include "path_names.h"
#include "prefs_dialog.h"
#include "sel_dir_dialog.h"
#include "stat_bar.h"

namespace lm {

namespace {

QAction* MakeAction(QObject* parent, const char* name, const QString& text,
                    const QKeySequence& key = {}) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1StringView(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

}  // namespace

// Alt pressed and released alone goes to the menu bar, as on other
// desktops, whatever the style's own habit.
class AltKeyMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The menus' texts, each in one place. A "&" marks the letter that Alt and
// the letter choose (shown underlined; the caption is the text without it).
// Each is translated where it is used (tr), in the main window's context.
namespace menu_text {
const char* const kFile = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&File");
const char* const kEdit = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Edit");
const char* const kAddFiles = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Add Files");
const char* const kAddDir = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Add &Directory");
const char* const kCheckLists =
    QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Check Files Against List...");
const char* const kSaveED2K = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Save ED2K Link File");
const char* const kSaveAll = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Save All &Information");
const char* const kExit = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "E&xit");
const char* const kCpyAll = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Copy All to Clipboard");
const char* const kCpyMagnet = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Copy All as &Magnet Links");
const char* const kCpySel = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Copy &Selected to Clipboard");
const char* const kRmvAll = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Remove All from List");
const char* const kRmvSel = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Remove Se&lected from List");
const char* const kSortList = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "S&ort List");
const char* const kPrefs = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Prefere&nces");
const char* const kPause = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Pause");
const char* const kResume = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&Resume");
const char* const kAbout = QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "&About");
// The list's own menu (right button, Shift+F10, the Menu key).
const char* const kCpySelMagnet =
    QT_TRANSLATE_NOOP("lm::TeD2KfrmMain", "Copy Selected as Ma&gnet Links");
}  // namespace menu_text

void TeD2KfrmMain::BuildActions() {
    auto command = [this](Command& c, const char* mnuName, const char* caption,
                          const QKeySequence& key, const char* btnName, int picture,
                          const QString& tooltip, void (TeD2KfrmMain::*handler)()) {
        const QString text = tr(caption);
        c.mnu = MakeAction(this, mnuName, text, key);
        connect(c.mnu, &QAction::triggered, this, handler);
        addAction(c.mnu);
        if (btnName != nullptr) {
            c.btn = MakeAction(this, btnName, text);
            c.btn->setIcon(TImageList1::Icon(picture));
            c.btn->setProperty(kPictureProperty, picture);
            c.btn->setToolTip(tooltip);
            connect(c.btn, &QAction::triggered, this, handler);
        }
    };
    using namespace menu_text;
    command(addFiles_, "mnuAddFiles", kAddFiles, Qt::Key_F2, "btnAddFiles", TImageList1::AddFiles,
            tr("Add Files (F2)"), &TeD2KfrmMain::mnuAddFilesClick);
    command(addDir_, "mnuAddDir", kAddDir, Qt::Key_F3, "btnAddDir", TImageList1::AddDirectory,
            tr("Add Directory (F3)"), &TeD2KfrmMain::mnuAddDirClick);
    command(checkLists_, "mnuCheckLists", kCheckLists, QKeySequence(Qt::CTRL | Qt::Key_K), nullptr,
            0, {}, &TeD2KfrmMain::mnuCheckListsClick);
    command(saveED2K_, "mnuSaveED2K", kSaveED2K, Qt::Key_F4, "btnSaveHashes",
            TImageList1::SaveLinks, tr("Save Links (F4)"), &TeD2KfrmMain::mnuSaveED2KClick);
    command(saveAll_, "mnuSaveAll", kSaveAll, Qt::Key_F5, nullptr, 0, {},
            &TeD2KfrmMain::mnuSaveAllClick);
    command(exit_, "mnuExit", kExit, QKeySequence(Qt::CTRL | Qt::Key_Q), "btnExit",
            TImageList1::Exit, tr("Exit (Ctrl+Q)"), &TeD2KfrmMain::mnuExitClick);
    command(cpyAll_, "mnuCpyAll2Clip", kCpyAll, Qt::Key_F6, "btnCopyAll", TImageList1::CopyAll,
            tr("Copy All to Clipboard (F6)"), &TeD2KfrmMain::mnuCpyAll2ClipClick);
    command(cpyMagnet_, "mnuCpyAllMagnet", kCpyMagnet, QKeySequence(Qt::SHIFT | Qt::Key_F6),
            nullptr, 0, {}, &TeD2KfrmMain::mnuCpyMagnetClick);
    command(cpySel_, "mnuCpySel2Clip", kCpySel, Qt::Key_F7, "btnCopySel", TImageList1::CopySelected,
            tr("Copy Selected to Clipboard (F7)"), &TeD2KfrmMain::mnuCpySel2ClipClick);
    command(rmvAll_, "mnuRmvAll", kRmvAll, Qt::Key_F8, "btnRemoveAll", TImageList1::RemoveAll,
            tr("Remove All (F8)"), &TeD2KfrmMain::mnuRmvAllClick);
    command(rmvSel_, "mnuRmvSel", kRmvSel, Qt::Key_F9, "btnRemoveSel", TImageList1::RemoveSelected,
            tr("Remove Selected (F9)"), &TeD2KfrmMain::mnuRmvSelClick);
    command(sortList_, "mnuSortList", kSortList, Qt::Key_F10, "btnSort", TImageList1::Sort,
            tr("Sort (F10)"), &TeD2KfrmMain::mnuSortListClick);
    command(prefs_, "mnuPrefs", kPrefs, Qt::Key_F11, nullptr, 0, {}, &TeD2KfrmMain::mnuPrefsClick);
    command(pause_, "mnuPause", kPause, Qt::Key_F12, "btnPause", TImageList1::Pause,
            tr("Pause (F12)"), &TeD2KfrmMain::mnuPauseClick);
    command(about_, "mnuAbout", kAbout, Qt::Key_F1, nullptr, 0, {}, &TeD2KfrmMain::mnuAboutClick);
    // Only in the list's own menu; enabled with Copy Selected.
    command(cpySelMagnet_, "mnuCpySelMagnet", kCpySelMagnet, {}, nullptr, 0, {},
            &TeD2KfrmMain::mnuCpySelMagnetClick);
    // Nothing to act on at start.
    for (const Command* c : {&saveED2K_, &saveAll_, &cpyAll_, &cpyMagnet_, &cpySel_, &cpySelMagnet_,
                             &rmvAll_, &rmvSel_, &sortList_, &pause_}) {
        SetCommandEnabled(*c, false);
    }
}

QString TeD2KfrmMain::PauseCaption(bool paused) {
    return tr(paused ? menu_text::kResume : menu_text::kPause);
}

void TeD2KfrmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto* style = new AltKeyMenuStyle;
    style->setParent(bar);
    bar->setStyle(style);
    QMenu* file = bar->addMenu(tr(menu_text::kFile));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(addFiles_.mnu);
    file->addAction(addDir_.mnu);
    file->addAction(checkLists_.mnu);
    file->addSeparator();
    file->addAction(saveED2K_.mnu);
    file->addAction(saveAll_.mnu);
    file->addSeparator();
    file->addAction(exit_.mnu);
    QMenu* edit = bar->addMenu(tr(menu_text::kEdit));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addAction(cpyAll_.mnu);
    edit->addAction(cpyMagnet_.mnu);
    edit->addAction(cpySel_.mnu);
    edit->addSeparator();
    edit->addAction(rmvAll_.mnu);
    edit->addAction(rmvSel_.mnu);
    edit->addSeparator();
    edit->addAction(sortList_.mnu);
    bar->addAction(prefs_.mnu);
    bar->addAction(pause_.mnu);
    bar->addAction(about_.mnu);

    // The list's own menu: what acts on the selected rows, and the check.
    listMenu_ = new QMenu(this);
    listMenu_->setObjectName(QStringLiteral("mnuList"));
    listMenu_->addAction(cpySel_.mnu);
    listMenu_->addAction(cpySelMagnet_.mnu);
    listMenu_->addSeparator();
    listMenu_->addAction(rmvSel_.mnu);
    listMenu_->addSeparator();
    listMenu_->addAction(checkLists_.mnu);
}

void TeD2KfrmMain::BuildToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(TImageList1::kSize, TImageList1::kSize));
    ToolBar1->setContentsMargins(2, 0, 0, 0);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->toggleViewAction()->setVisible(false);
    // The gaps between the buttons are the separators' widths alone.
    ToolBar1->layout()->setSpacing(0);
    setContextMenuPolicy(Qt::NoContextMenu);

    int separators = 0;
    auto gap = [this, &separators](int width) {
        auto* spacer = new QWidget(ToolBar1);
        spacer->setObjectName(QStringLiteral("tbSep%1").arg(++separators));
        spacer->setFixedWidth(width);
        ToolBar1->addWidget(spacer);
    };
    auto button = [this](const Command& c) {
        ToolBar1->addAction(c.btn);
        QWidget* widget = ToolBar1->widgetForAction(c.btn);
        widget->setObjectName(c.btn->objectName());
        widget->setMinimumHeight(23);
        widget->installEventFilter(this);
    };
    button(addFiles_);
    gap(8);
    button(addDir_);
    gap(8);
    button(saveED2K_);
    gap(21);
    button(cpyAll_);
    gap(8);
    button(cpySel_);
    gap(21);
    button(rmvAll_);
    gap(8);
    button(rmvSel_);
    gap(8);
    button(sortList_);
    gap(21);
    button(pause_);
    gap(21);
    button(exit_);
    gap(21);  // tbSep10

    XitOnDone = new QCheckBox(tr("Exit when done"), ToolBar1);
    XitOnDone->setObjectName(QStringLiteral("XitOnDone"));
    // Its designed width at least, and as wide as its text needs.
    XitOnDone->setMinimumWidth(104);
    xitOnDoneAction_ = ToolBar1->addWidget(XitOnDone);
    xitOnDoneAction_->setVisible(false);
    connect(XitOnDone, &QCheckBox::toggled, this,
            [this](bool on) { settings_.Set(&SettingsValues::exitWhenDone, on); });
}

bool TeD2KfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Toolbar tips stay up for 7 seconds.
    if (event->type() == QEvent::ToolTip) {
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), button->toolTip(), button, QRect(),
                               kHintHidePauseMs);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TeD2KfrmMain::RepaintPictures() {
    // The pictures follow the palette: a dark theme draws their dark marks
    // light.
    if (ToolBar1 == nullptr || DatLst == nullptr) {
        return;  // not built yet
    }
    for (QAction* action : ToolBar1->actions()) {
        const QVariant picture = action->property(kPictureProperty);
        if (picture.isValid()) {
            action->setIcon(TImageList1::Icon(picture.toInt()));
        }
    }
    setWindowIcon(TImageList1::Icon(TImageList1::Emblem));
    DatLst->viewport()->update();
}

void TeD2KfrmMain::SetCommandEnabled(const Command& command, bool enabled) {
    if (command.mnu != nullptr && command.mnu->isEnabled() != enabled) {
        command.mnu->setEnabled(enabled);
    }
    if (command.btn != nullptr && command.btn->isEnabled() != enabled) {
        command.btn->setEnabled(enabled);
    }
}

void TeD2KfrmMain::DisableListCommands() {
    for (const Command* c : {&saveED2K_, &saveAll_, &cpyAll_, &cpyMagnet_, &cpySel_, &cpySelMagnet_,
                             &rmvAll_, &rmvSel_, &sortList_}) {
        SetCommandEnabled(*c, false);
    }
}

// Adding files ------------------------------------------------------------

void TeD2KfrmMain::mnuAddFilesClick() {
    if (!worker_->WorkerActive) {
        SetStatusText(1, tr("Please wait..."));
    }
    // Painted before the dialog opens.
    QCoreApplication::processEvents();
    QStringList files;
    if (addFilesDialogHook) {
        files = addFilesDialogHook();
    } else {
        OpnDlg->setDirectory(settings_.Snapshot().lastFilePath);
        OpnDlg->selectFile(QString());
        if (OpnDlg->exec() == QDialog::Accepted) {
            // The dialog reads names its own way; each is found again by
            // its bytes.
            for (const QString& shown : OpnDlg->selectedFiles()) {
                files << PathFromDialog(shown);
            }
        }
    }
    if (!files.isEmpty()) {
        // The directory part of the first file, up to its last "/".
        const QString first = files.first();
        settings_.Set(&SettingsValues::lastFilePath, first.left(first.lastIndexOf(u'/') + 1));
    }
    if (files.isEmpty()) {
        if (!worker_->WorkerActive) {
            SetStatusText(1, HashingWorker::IdleText());
        }
        return;
    }
    for (const QString& file : files) {
        table_.AddEntry(file);
    }
    QCoreApplication::processEvents();
    if (settings_.Snapshot().presortFiles && table_.FileCount() >= 2) {
        table_.SortEntries();
    }
    worker_->StartHashing();
}

void TeD2KfrmMain::mnuAddDirClick() {
    if (!worker_->WorkerActive) {
        SetStatusText(1, tr("Please wait..."));
    }
    frmSelDir->SelectDirectory(settings_.Snapshot().lastFilePath);
    frmSelDir->exec();
}

// Saving and copying --------------------------------------------------------

void TeD2KfrmMain::mnuSaveED2KClick() {
    SaveLines(1, DatLst->RowTexts());
}

void TeD2KfrmMain::mnuSaveAllClick() {
    // The pane's lines exactly as they stand, not its plain text (which
    // turns a no-break space into a space and a line separator into a
    // line break).
    SaveLines(2, InfoWin->Lines());
}

void TeD2KfrmMain::SaveLines(int filterIndex, const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    const QString path = RunSaveDialog(filterIndex);
    if (path.isEmpty()) {
        return;
    }
    saveFileName_ = QFileInfo(path).fileName();
    SetBusyCursor(true);
    settings_.Set(&SettingsValues::lastSavePath, path.left(path.lastIndexOf(u'/') + 1));
    QString reason;
    const bool saved = WriteLinkFile(path, lines, &reason);
    SetBusyCursor(false);
    if (!saved) {
        ShowMessage(tr("Error: Could not save \"%1\": %2").arg(path, reason));
    }
}

void TeD2KfrmMain::mnuCpyAll2ClipClick() {
    if (DatLst->RowCount() == 0) {
        return;
    }
    // One allocation for the whole text, however many rows, and no list of
    // the rows beside it.
    SetClipboardUtf8(ClipboardUtf8(DatLst->ListRows()));
}

void TeD2KfrmMain::mnuCpySel2ClipClick() {
    const QList<int> rows = DatLst->SelectedRows();
    QString text;
    for (int row : rows) {
        text += DatLst->RowText(row) + QStringLiteral("\r\n");
    }
    if (rows.size() == 1) {
        text.chop(2);
    }
    if (!text.isEmpty()) {
        SetClipboardText(text);
    }
}

void TeD2KfrmMain::SetClipboardText(const QString& text) {
    SetClipboardUtf8(ClipboardText(text).toUtf8());
}

void TeD2KfrmMain::SetClipboardUtf8(const QByteArray& text) {
    bool taken = false;
    if (clipboardHook) {
        taken = clipboardHook(QString::fromUtf8(text));
    } else if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        // Kept as the UTF-8 that pasting asks for most: half the memory of
        // the text itself, and nothing to convert for each paste.
        auto* data = new QMimeData;
        data->setData(QStringLiteral("text/plain"), text);
        clipboard->setMimeData(data);
        // The display server may refuse us the clipboard.
        taken = clipboard->mimeData() == data;
    }
    if (!taken) {
        ShowMessage(tr("Error: Could not put the links on the clipboard."));
    }
}

// The list as a whole ------------------------------------------------------

void TeD2KfrmMain::mnuPauseClick() {
    if (!worker_->Paused) {
        worker_->Paused = true;
        worker_->ShowPauseState(*this);
        return;
    }
    // A worker still finishing its last chunk would, on seeing the flag,
    // set back to idle what is queued here; let it end first.
    WaitForWorker();
    worker_->Paused = false;
    worker_->ShowPauseState(*this);
    table_.QueueUnfinished();
    worker_->StartHashing();
}

void TeD2KfrmMain::mnuRmvAllClick() {
    if (worker_->WorkerActive && !worker_->Paused) {
        mnuPauseClick();
    }
    table_.RemoveAll();
    table_.RefreshList(*DatLst);
    DatLst->SetHorizontalExtent(0);
    SetStatusText(0, HashingWorker::FileCountText(0));
    UpdateInfoWin();
    WaitForWorker();
    if (worker_->Paused) {
        mnuPauseClick();
    }
}

void TeD2KfrmMain::mnuRmvSelClick() {
    table_.RefreshList(*DatLst);  // the rows as the table stands
    SelectionToEntries();
    bool currentRemoved = false;
    table_.ForEach([&currentRemoved](const TFileData& entry) {
        currentRemoved = currentRemoved || (entry.Selected && entry.State == fsWorking);
    });
    table_.RemoveSelected();
    table_.RefreshList(*DatLst);
    DatLst->SetHorizontalExtent(DatLst->WidestRowExtent());
    SetStatusText(0, HashingWorker::FileCountText(DatLst->RowCount()));
    UpdateInfoWin();
    if (currentRemoved) {
        // The worker gives up the removed file after its current chunk;
        // then everything not hashed yet is queued again. The flag is set
        // even when the worker has already run out of files meanwhile, so
        // that the Pause command below resumes rather than pauses.
        worker_->PauseAndWait(
            [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
        mnuPauseClick();
    }
}

void TeD2KfrmMain::mnuSortListClick() {
    table_.RefreshList(*DatLst);
    SelectionToEntries();
    // By the lower-cased path, or name with StripPath on; equal keys keep
    // their order, as passes that exchange neighbours only when the first
    // key is greater leave them, in O(n log n). The rows follow, their
    // selection from the entries.
    table_.SortByPath(settings_.Snapshot().stripPath);
    table_.RefreshList(*DatLst);
    DatLst->SetHorizontalExtent(DatLst->WidestRowExtent());
    UpdateInfoWin();
}

void TeD2KfrmMain::mnuPrefsClick() {
    frmPrefs->exec();
    // The Add Files filter follows the file-type table.
    ApplySettings();
}

void TeD2KfrmMain::mnuAboutClick() {
    frmAbout->exec();
}

void TeD2KfrmMain::mnuExitClick() {
    close();
}

}  // namespace lm
