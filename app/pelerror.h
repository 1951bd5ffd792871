#pragma once
#include <QString>
#include <exception>

// The one error type that a handler does not handle itself: a file that
// cannot be opened, a text that is not a whole number, a settings write that
// fails. Caught at the boundary of each handler and shown by the default
// error report.
class PelError : public std::exception {
public:
    explicit PelError(QString message) : msg(std::move(message)), utf8(msg.toUtf8()) {}
    const QString &message() const { return msg; }
    const char *what() const noexcept override { return utf8.constData(); }

private:
    QString msg;
    QByteArray utf8;
};

// The default error report's text: a full stop is appended when the last
// character comes after "." in the character set.
QString withFullStop(const QString &message);

// Whole-number conversion of a cell or field: decimal text, surrounding blanks
// allowed. Throws "'%s' is not a valid integer value".
int toWholeNumber(const QString &text);
