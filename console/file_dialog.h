#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

// What the console asks the operator for: a file to write or one to read.
struct FileQuestion {
    // Append: a file to write to the end of, new or not, so choosing one that exists asks
    // nothing.
    enum class Purpose { Save, Append, Open };
    Purpose purpose = Purpose::Save;
    QString title;
    QStringList filters;  // the first one is chosen at first
    // For saving: the suffix each filter adds to a name typed without one, and the name
    // offered at first.
    QStringList suffixes;
    QString proposedName;
};

struct ChosenFile {
    QString path;
    int filter = 0;  // index into the question's filters
};

// Qt's own widget file dialog (the same on every platform), owned by the window and
// starting in the folder of the last file chosen while the program runs, at first in the
// user's home folder; it keeps its history where the process keeps its settings. Empty when the
// operator cancels.
std::optional<ChosenFile> AskForFile(QWidget* owner, const FileQuestion& question);

// Replaces the modal run of the dialog, so that tests can answer it without an operator:
// the runner returns the dialog's result code. An empty runner restores the modal run.
using FileDialogRunner = std::function<int(QFileDialog& dialog)>;
void SetFileDialogRunner(FileDialogRunner runner);
