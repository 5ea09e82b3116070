#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

class QComboBox;

// A port the port box offers besides its fixed names, with what the operator may want to
// know about it as the item's tooltip.
struct OfferedPort {
    QString name;
    QString toolTip;
};

// The serial ports the system reports now; the tooltip gives the port's description and
// maker, as far as the system knows them.
std::vector<OfferedPort> SystemPorts();

// The names in the `ports` folder (section "port names": a link such as ports/COM1 ->
// /dev/ttyUSB0 or a simulator's terminal) that lead to something now; the tooltip says
// where.
std::vector<OfferedPort> PortLinks(const std::filesystem::path& portsDir);

// Lists the fixed names, then each offered port not among them, all in the box's sorted
// order; an offered port's tooltip goes to its item, a fixed one's too. The text shown or
// typed, and the item chosen, stay as they were.
void FillPortList(QComboBox& box, const QStringList& fixedNames,
                  const std::vector<OfferedPort>& ports);
