#pragma once
// The exception types every layer raises; the action wrapper catches them where a user action started.

#include <exception>
#include <QString>

// Base of the program's errors; the text is what the user is shown.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A failing statement or data-set operation: the driver's message, a line break and the SQL text.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

// A text that does not convert to the wanted type (a number, a date).
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// Ends the current user action without a further message; swallowed by the action wrapper.
class EAbort : public Exception
{
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

// Raises the silent abort.
[[noreturn]] void Abort();
