#include "port_box.h"

#include <QComboBox>
#include <algorithm>

#include "console_texts.h"
#include "dialog_builder.h"
#include "port_name.h"

namespace {

struct ListItem {
    QString name;
    QString toolTip;
    bool operator==(const ListItem&) const = default;
};

std::vector<ListItem> ItemsOf(const QComboBox& box) {
    std::vector<ListItem> items;
    for (int i = 0; i < box.count(); ++i) {
        items.push_back({box.itemText(i), box.itemData(i, Qt::ToolTipRole).toString()});
    }
    return items;
}

}  // namespace

std::vector<OfferedPort> OfferedPorts(const std::vector<FoundPort>& found, bool withLocation) {
    std::vector<OfferedPort> ports;
    for (const FoundPort& port : found) {
        QStringList about;
        if (withLocation) about << QString::fromStdString(port.location);
        for (const std::string& text : {port.description, port.manufacturer}) {
            if (!text.empty()) about << QString::fromStdString(text);
        }
        ports.push_back(
            {QString::fromStdString(port.name),
             port.inPortsFolder ? QString::fromStdString(port.location) : about.join(u'\n')});
    }
    return ports;
}

std::vector<OfferedPort> FallbackPorts(const QStringList& fixedNames,
                                       const std::vector<FoundPort>& found,
                                       const std::filesystem::path& portsDir) {
    std::vector<OfferedPort> ports;
    for (const QString& name : fixedNames) {
        const bool linked = std::any_of(found.begin(), found.end(), [&](const FoundPort& port) {
            return port.inPortsFolder &&
                   name.compare(QString::fromStdString(port.name), Qt::CaseInsensitive) == 0;
        });
        const std::string path = ResolvePortName(name.toStdString(), portsDir);
        if (!linked && path.starts_with("/dev/")) {
            ports.push_back(
                {name, ConsoleTexts::PortFallbackHint(name, QString::fromStdString(path))});
        }
    }
    return ports;
}

void FillPortList(QComboBox& box, const QStringList& fixedNames,
                  const std::vector<OfferedPort>& ports) {
    QStringList names;
    std::vector<ListItem> items;
    auto add = [&](const QString& name) {
        const int at = SortedPosition(names, name);
        names.insert(at, name);
        items.insert(items.begin() + at, ListItem{name, {}});
        return at;
    };
    for (const QString& name : fixedNames) add(name);
    for (const OfferedPort& port : ports) {
        // Names are told apart without regard to case, as the box finds them.
        const auto same = std::find_if(names.begin(), names.end(), [&](const QString& name) {
            return name.compare(port.name, Qt::CaseInsensitive) == 0;
        });
        const auto index = same != names.end() ? same - names.begin() : add(port.name);
        if (!port.toolTip.isEmpty()) items[index].toolTip = port.toolTip;
    }
    if (items == ItemsOf(box)) return;

    const QString shown = box.currentText();
    const QString chosen = box.currentIndex() >= 0 ? box.itemText(box.currentIndex()) : QString();
    box.clear();
    for (const ListItem& item : items) {
        box.addItem(item.name);
        if (!item.toolTip.isEmpty()) {
            box.setItemData(box.count() - 1, item.toolTip, Qt::ToolTipRole);
        }
    }
    box.setCurrentIndex(chosen.isEmpty() ? -1 : box.findText(chosen, Qt::MatchExactly));
    box.setEditText(shown);
}
