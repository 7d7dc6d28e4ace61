// The drive, folder and file lists.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QObject>

#include "platform/controls.h"
#include "platform/design.h"
#include "platform/qt/qt_control.h"

class QComboBox;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform::qt {

// Starts on the process's current folder.
class QtFileList : public QtControl<FileList> {
public:
    QtFileList(const ControlDesign& design, QWidget* parent);

    std::string path() const override;
    void setPath(const std::string& path) override;
    std::string pattern() const override;
    int listCount() const override;
    int listIndex() const override;
    void setListIndex(int index) override;
    std::string fileName() const override;
    std::string entry(int index) const override;

    // Lists the folder's files as they are now, keeping the selected file selected where it is still
    // there. No path changes, so nothing that a new folder starts afresh starts afresh.
    void reread();

private:
    void fill(std::string folder, std::vector<std::string> names);

    QListWidget* list_;
    std::string pattern_;
    std::string path_;
    std::vector<std::string> names_;  // as on disk, in the list's order
    // The context of the widget's connections to this object: they end with it.
    QObject connections_;
};

// Starts on the process's current folder. A click selects; a double click or Enter opens.
class QtDirList : public QtControl<DirList> {
public:
    QtDirList(const ControlDesign& design, QWidget* parent);

    std::string path() const override;
    void setPath(const std::string& path) override;

    // Opening the folder that is open already changes nothing, but a person does it to see what has
    // been added meanwhile: this is told the folder.
    void whenReopened(std::function<void(const std::string& folder)> reopened);

private:
    // Moves to the folder without raising Change; throws Failure and stays when it cannot.
    void enter(const std::string& folder);
    // Enters the first folder that can be entered; throws the last Failure when none can.
    void enterFirst(const std::vector<std::string>& folders);
    void open(const QTreeWidgetItem* item);

    QTreeWidget* tree_;
    std::string path_ = "/";
    std::function<void(const std::string&)> reopened_;
    std::map<std::string, std::string> lastFolderOnDrive_;  // by mount point
    QObject connections_;
};

// Starts on the drive of the process's current folder; the list is read anew each time it opens.
class QtDriveList : public QtControl<DriveList> {
public:
    QtDriveList(const ControlDesign& design, QWidget* parent);

    std::string drive() const override;
    void setDrive(const std::string& drive) override;

private:
    // Reads the drives anew and selects the named one, kept in the list even once it is gone.
    void refill(const std::string& selected);

    QComboBox* combo_;
    QObject connections_;
};

}  // namespace platform::qt
