#pragma once

#include <QString>
#include <QStringList>

class SysInfoSource;

namespace SysInfoLookup {

// The system-information programs the desktops ship, in order of preference.
QStringList KnownTools();

// Finds the program to start: the tool path as it stands when the source
// names one (it is not checked), otherwise the first known tool that exists
// in the tool directory. False when neither gives a program.
bool FindSysInfoTool(SysInfoSource &source, QString &program);

} // namespace SysInfoLookup
