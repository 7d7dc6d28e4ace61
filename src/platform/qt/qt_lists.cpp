// The drive, folder and file lists.
#include "platform/qt/qt_lists.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>

#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyle>
#include <QTreeWidget>

#include "platform/failure.h"
#include "platform/files/drives.h"
#include "platform/files/folder_listing.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/geometry.h"
#include "platform/qt/raise.h"

namespace platform::qt {

namespace {

std::string currentFolder()
{
    const std::unique_ptr<char, void (*)(void*)> folder(::getcwd(nullptr, 0), std::free);
    return folder ? folder.get() : "";
}

QString shown(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

// Once an entry is selected, the user can move the selection but not empty it: a click on the blank
// part below the entries or Ctrl with the selected entry changes nothing.
class FileListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override
    {
        const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
        if (!index.isValid() || (command & QItemSelectionModel::Deselect) || !(command & QItemSelectionModel::Select))
            return QItemSelectionModel::NoUpdate;
        return command;
    }
};

// Folders open on a double click or Enter only, not on Qt's activation, which some styles give to
// a single click. The chain is always open, so no branch arrows are drawn.
class FolderTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void()> enterPressed;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && enterPressed)
            enterPressed();
        else
            QTreeWidget::keyPressEvent(event);
    }

    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

// Drives come and go (a USB stick, a network share), so the list is read again as it opens.
class DriveCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> aboutToOpen;

    void showPopup() override
    {
        if (aboutToOpen)
            aboutToOpen();
        QComboBox::showPopup();
    }
};

QTreeWidgetItem* folderItem(const std::string& path, const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, Qt::UserRole, QByteArray::fromStdString(path));
    item->setIcon(0, icon);
    return item;
}

}  // namespace

QtFileList::QtFileList(const ControlDesign& design, QWidget* parent)
    : QtControl(new FileListWidget(parent)), list_(static_cast<QListWidget*>(widget())), pattern_(design.text)
{
    list_->setGeometry(designRect(design));
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    try {
        const std::string folder = canonicalFolder(currentFolder());
        fill(folder, listFiles(folder, pattern_));
    } catch (const Failure& failure) {
        passOver("file list", failure.what());
    }
    QObject::connect(list_, &QListWidget::itemSelectionChanged, &connections_, [this] { raiseFromQt(Click); });
}

std::string QtFileList::path() const { return path_; }

void QtFileList::setPath(const std::string& path)
{
    std::string folder = canonicalFolder(path);
    if (folder == path_)
        return;
    std::vector<std::string> names = listFiles(folder, pattern_);
    fill(std::move(folder), std::move(names));
    PathChange.raise();
}

std::string QtFileList::pattern() const { return pattern_; }

int QtFileList::listCount() const { return static_cast<int>(names_.size()); }

int QtFileList::listIndex() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void QtFileList::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        throw Failure("list index out of range: " + std::to_string(index));
    {
        const QSignalBlocker blocker(list_);
        if (index < 0) {
            list_->clearSelection();
            list_->setCurrentItem(nullptr);
        } else {
            list_->setCurrentRow(index);
            list_->scrollToItem(list_->item(index));
        }
    }
    Click.raise();
}

std::string QtFileList::fileName() const
{
    const int index = listIndex();
    return index < 0 ? std::string() : names_[static_cast<std::size_t>(index)];
}

std::string QtFileList::entry(int index) const
{
    if (index < 0 || index >= listCount())
        throw Failure("list index out of range: " + std::to_string(index));
    return names_[static_cast<std::size_t>(index)];
}

void QtFileList::reread()
{
    const int before = listIndex();
    const std::string selected = fileName();
    std::vector<std::string> names = listFiles(path_, pattern_);
    const auto kept = std::find(names.begin(), names.end(), selected);
    int index = -1;
    if (before >= 0)
        index = kept != names.end() ? static_cast<int>(kept - names.begin())
                                    : std::min(before, static_cast<int>(names.size()) - 1);
    fill(path_, std::move(names));
    {
        const QSignalBlocker blocker(list_);
        if (index >= 0)
            list_->setCurrentRow(index);
    }
    // The selection moved, or another file slid under it; a list left empty has nothing to select.
    if (index >= 0 && (index != before || fileName() != selected))
        raiseFromQt(Click);
}

void QtFileList::fill(std::string folder, std::vector<std::string> names)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        texts.append(shown(name));
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        list_->addItems(texts);
    }
    path_ = std::move(folder);
    names_ = std::move(names);
}

QtDirList::QtDirList(const ControlDesign& design, QWidget* parent)
    : QtControl(new FolderTree(parent)), tree_(static_cast<QTreeWidget*>(widget()))
{
    tree_->setGeometry(designRect(design));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    try {
        enterFirst({currentFolder(), "/"});
    } catch (const Failure& failure) {
        passOver("folder list", failure.what());
    }
    QObject::connect(tree_, &QTreeWidget::itemDoubleClicked, &connections_,
                     [this](const QTreeWidgetItem* item) { open(item); });
    static_cast<FolderTree*>(tree_)->enterPressed = [this] { open(tree_->currentItem()); };
}

std::string QtDirList::path() const { return path_; }

void QtDirList::whenReopened(std::function<void(const std::string& folder)> reopened)
{
    reopened_ = std::move(reopened);
}

void QtDirList::setPath(const std::string& path)
{
    const std::vector<Drive> drives = mountedDrives();
    const auto drive = std::find_if(drives.begin(), drives.end(),
                                    [&path](const Drive& d) { return driveName(d) == path; });
    const std::string before = path_;
    if (drive == drives.end()) {
        enter(path);
    } else {
        // A drive goes back to the folder last visited on it, or to its root if that is gone.
        const auto last = lastFolderOnDrive_.find(drive->mountPoint);
        if (last == lastFolderOnDrive_.end())
            enter(drive->mountPoint);
        else
            enterFirst({last->second, drive->mountPoint});
    }
    if (path_ != before)
        Change.raise();
}

void QtDirList::enter(const std::string& folder)
{
    const std::string canonical = canonicalFolder(folder);
    const std::vector<std::string> subfolders = listFolders(canonical);

    const QSignalBlocker blocker(tree_);
    tree_->clear();
    const QIcon openIcon = tree_->style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* current = folderItem("/", "/", openIcon);
    tree_->addTopLevelItem(current);
    std::string chain = "/";
    for (const QByteArray& part : QByteArray::fromStdString(canonical).split('/')) {
        if (part.isEmpty())
            continue;
        chain = childPath(chain, part.toStdString());
        QTreeWidgetItem* parentItem = current;
        current = folderItem(chain, QFile::decodeName(part), openIcon);
        parentItem->addChild(current);
        parentItem->setExpanded(true);
    }
    const QIcon closedIcon = tree_->style()->standardIcon(QStyle::SP_DirClosedIcon);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(subfolders.size()));
    for (const std::string& name : subfolders)
        children.append(folderItem(childPath(canonical, name), shown(name), closedIcon));
    current->addChildren(children);
    current->setExpanded(true);
    tree_->setCurrentItem(current);
    tree_->scrollToItem(current);

    path_ = canonical;
    lastFolderOnDrive_[driveOf(canonical, mountedDrives()).mountPoint] = canonical;
}

void QtDirList::enterFirst(const std::vector<std::string>& folders)
{
    for (std::size_t i = 0;; ++i) {
        try {
            enter(folders[i]);
            return;
        } catch (const Failure& failure) {
            if (i + 1 >= folders.size())
                throw;
            passOver("folder list", failure.what());
        }
    }
}

void QtDirList::open(const QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    // A folder removed since it was listed cannot be opened: the list stays as it is. Opening the
    // folder already open reads it again but is no change.
    const std::string before = path_;
    try {
        enter(item->data(0, Qt::UserRole).toByteArray().toStdString());
    } catch (const Failure& failure) {
        passOver("folder list", failure.what());
        return;
    }
    if (path_ != before)
        raiseFromQt(Change);
    else if (reopened_)
        reopened_(path_);
}

QtDriveList::QtDriveList(const ControlDesign& design, QWidget* parent)
    : QtControl(new DriveCombo(parent)), combo_(static_cast<QComboBox*>(widget()))
{
    combo_->setGeometry(designRect(design));
    refill(driveName(driveOf(currentFolder(), mountedDrives())));
    QObject::connect(combo_, &QComboBox::currentIndexChanged, &connections_, [this] { raiseFromQt(Change); });
    static_cast<DriveCombo*>(combo_)->aboutToOpen = [this] { refill(drive()); };
}

std::string QtDriveList::drive() const { return combo_->currentData().toByteArray().toStdString(); }

void QtDriveList::setDrive(const std::string& drive)
{
    const int index = combo_->findData(QByteArray::fromStdString(drive));
    if (index < 0)
        throw Failure("no such drive: " + drive);
    if (index == combo_->currentIndex())
        return;
    {
        const QSignalBlocker blocker(combo_);
        combo_->setCurrentIndex(index);
    }
    Change.raise();
}

void QtDriveList::refill(const std::string& selected)
{
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    for (const Drive& drive : mountedDrives()) {
        const std::string name = driveName(drive);
        combo_->addItem(shown(name), QByteArray::fromStdString(name));
    }
    if (combo_->findData(QByteArray::fromStdString(selected)) < 0)
        combo_->addItem(shown(selected), QByteArray::fromStdString(selected));
    combo_->setCurrentIndex(combo_->findData(QByteArray::fromStdString(selected)));
}

}  // namespace platform::qt
