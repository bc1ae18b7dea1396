#pragma once

#include <QString>
#include <utility>

namespace korvane {

// What a function that can fail answers: done, or why not, in words fit for the user (the
// system's or a file's own). Objects keep Qt's bool + errorString(); functions answer this, and
// an answer left unread is a compiler warning.
class [[nodiscard]] Result {
public:
    static Result done() { return {}; }
    static Result failed(QString why) {
        Result result;
        result.m_failed = true;
        result.m_error = std::move(why);
        return result;
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    // Empty when done.
    const QString& errorString() const { return m_error; }

    friend bool operator==(const Result&, const Result&) = default;

private:
    bool m_failed = false;
    QString m_error;
};

} // namespace korvane
