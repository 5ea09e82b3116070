#include "file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <utility>

namespace {

FileDialogRunner& Runner() {
    static FileDialogRunner runner;
    return runner;
}

// The folder of the last file chosen, kept while the program runs: the next file is most
// often beside it.
QString& LastFolder() {
    static QString folder;
    return folder;
}

}  // namespace

std::optional<ChosenFile> AskForFile(QWidget* owner, const FileQuestion& question) {
    QFileDialog dialog(owner, question.title,
                       LastFolder().isEmpty() ? QDir::homePath() : LastFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(question.filters);
    if (question.purpose != FileQuestion::Purpose::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         question.purpose == FileQuestion::Purpose::Append);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!question.suffixes.isEmpty()) dialog.setDefaultSuffix(question.suffixes.front());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &question](const QString& filter) {
                             const qsizetype index = question.filters.indexOf(filter);
                             if (index >= 0 && index < question.suffixes.size()) {
                                 dialog.setDefaultSuffix(question.suffixes[index]);
                             }
                         });
        if (!question.proposedName.isEmpty()) dialog.selectFile(question.proposedName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const int result = Runner() ? Runner()(dialog) : dialog.exec();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    LastFolder() = QFileInfo(dialog.selectedFiles().front()).absolutePath();
    return ChosenFile{
        dialog.selectedFiles().front(),
        std::max<int>(0, static_cast<int>(question.filters.indexOf(dialog.selectedNameFilter())))};
}

void SetFileDialogRunner(FileDialogRunner runner) {
    Runner() = std::move(runner);
}
