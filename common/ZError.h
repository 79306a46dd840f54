#pragma once
// Common exception base: every failure of the program's own logic carries a
// message that is shown to the user unchanged.
#include <QString>
#include <stdexcept>

class ZError : public std::runtime_error {
public:
    explicit ZError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
