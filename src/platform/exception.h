#pragma once

#include <QString>
#include <stdexcept>
#include <string>

// The program's own error: what a handler raises when an operation fails in a way the user must hear
// about (a board file that cannot be written). It carries a UTF-8 message; the standard error box shows it.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message);
    explicit Exception(const std::string& utf8Message);

    // The message as the error box shows it.
    QString Message() const;
};
