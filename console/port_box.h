#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

#include "port_list.h"

class QComboBox;

// A port the port box offers besides its fixed names, with what the operator may want to
// know about it as the item's tooltip.
struct OfferedPort {
    QString name;
    QString toolTip;
};

// The ports found as the box offers them: a system port's
// tooltip gives its description and maker, as far as the system knows them; a link's says
// where it leads.
std::vector<OfferedPort> OfferedPorts(const std::vector<FoundPort>& found);

// The fixed COMn names with no link of their own in `portsDir`, which open a system port
// instead: each with a tooltip that says which. None where a name opens itself (Windows).
std::vector<OfferedPort> FallbackPorts(const QStringList& fixedNames,
                                       const std::vector<FoundPort>& found,
                                       const std::filesystem::path& portsDir);

// Lists the fixed names, then each offered port not among them, all in the box's sorted
// order; an offered port's tooltip goes to its item, a fixed one's too. The text shown or
// typed, and the item chosen, stay as they were.
void FillPortList(QComboBox& box, const QStringList& fixedNames,
                  const std::vector<OfferedPort>& ports);
