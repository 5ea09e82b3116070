#pragma once

#include <QString>
#include <filesystem>

#include "data_folders.h"

class QApplication;

// The process-wide look: loaded once before the console opens, removed once after it has
// gone. Nothing depends on either call succeeding.
class Skin {
  public:
    virtual ~Skin() = default;
    virtual void Load(const QString& fileName) = 0;
    virtual void Remove() = 0;
};

// A skin that is a Qt style sheet in a file of the given folder (by default found as the
// profile is: beside the executable, in the user's folder or in the shared one), applied
// to the whole application. A missing, unreadable or empty file, or one that is not UTF-8
// text, leaves the look as it is.
class StyleSheetSkin final : public Skin {
  public:
    explicit StyleSheetSkin(QApplication& application, std::filesystem::path folder);
    explicit StyleSheetSkin(QApplication& application);

    void Load(const QString& fileName) override;
    void Remove() override;

  private:
    QApplication& application_;
    DataFolders folders_;
};
