#pragma once

#include <QStringList>

extern const char kJoinUsage[];
// moxel-board join FILE.qvx
int RunJoinCommand(const QStringList& arguments);
