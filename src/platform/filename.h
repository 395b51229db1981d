#pragma once

#include <QString>

// The extension of a file name: the part from the last "." after the last "/", dot included; empty when
// there is none.
QString FileExtension(const QString& fileName);
