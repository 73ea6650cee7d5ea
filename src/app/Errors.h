#pragma once

#include <QString>
#include <exception>

// Every error that a handler does not catch itself is one of these; the application's
// event dispatch shows its text in the general error report and the program goes on.
class EAppError : public std::exception {
public:
    explicit EAppError(QString message) : fMessage(std::move(message)), fUtf8(fMessage.toUtf8()) {}
    const QString &Message() const { return fMessage; }
    const char *what() const noexcept override { return fUtf8.constData(); }

private:
    QString fMessage;
    QByteArray fUtf8;
};

// A text that cannot be read as the number a field needs.
class EConvertError : public EAppError {
    using EAppError::EAppError;
};

// "Range check error": a value does not fit the integer it must be stored in.
class ERangeError : public EAppError {
public:
    ERangeError() : EAppError(QStringLiteral("Range check error")) {}
};

// "Integer overflow": integer arithmetic left the 32-bit range.
class EIntOverflow : public EAppError {
public:
    EIntOverflow() : EAppError(QStringLiteral("Integer overflow")) {}
};

// A statement the database engine refused; carries the engine's own text.
class EDatabaseError : public EAppError {
    using EAppError::EAppError;
};

// The text of the general error report: the message with a full stop appended unless it
// already ends in a character that sorts at or before the full stop.
QString ErrorReportText(const QString &message);
