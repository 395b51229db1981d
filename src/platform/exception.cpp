#include "platform/exception.h"

Exception::Exception(const QString& message) : std::runtime_error(message.toStdString()) {}

Exception::Exception(const std::string& utf8Message) : std::runtime_error(utf8Message) {}

QString Exception::Message() const {
    return QString::fromUtf8(what());
}
