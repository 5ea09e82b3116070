#include "profile_file.h"

#include <QFile>
#include <QFileInfo>

#include "cardctl_text.h"
#include "executable_dir.h"
#include "ini_file.h"
#include "protocol_settings.h"

std::filesystem::path ProfilePathFor(const QString& option) {
    if (option.isEmpty()) return DefaultProfilePath();
    return std::filesystem::path(option.toStdString());
}

std::optional<std::string> LoadProfileFile(const std::filesystem::path& path,
                                           DeviceProfile& profile) {
    const QString name = QString::fromStdString(path.string());
    QFile file(name);
    QString reason;
    if (QFileInfo(name).isDir()) {
        reason = CardctlText::tr("it is a folder");
    } else if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        return CardctlLine(
            CardctlText::tr(
                "cannot read the profile %1: %2; name the device's profile with --profile PATH"),
            {path.string(), reason.toStdString()});
    }
    LoadDeviceProfile(profile, path);
    return std::nullopt;
}

LinkKeys ProfileLinkKeys(const QString& option) {
    return LoadProtocolSettings(IniFile::Load(ProfilePathFor(option))).link;
}
