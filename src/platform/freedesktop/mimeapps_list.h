#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace korvane {

// A mimeapps.list kept as its bytes and read as GLib's key-file parser reads it (leading blanks
// skipped, a group named more than once is one group, a key's last line wins). Edits change or
// add one line and leave every other byte as it was, line ends and spacing included, so that
// taking an edit back gives the same bytes.
class MimeappsList {
public:
    explicit MimeappsList(const QByteArray& bytes);

    QByteArray bytes() const;
    bool hasGroup(const QByteArray& group) const;
    // The key's raw value (after "=" and the blanks that follow it), as GLib reads it.
    std::optional<QByteArray> value(const QByteArray& group, const QByteArray& key) const;
    // Replaces the value on the key's deciding line, keeping the key and its spacing; without
    // one, adds a line at the end of the group, and the group at the end of the file.
    void setValue(const QByteArray& group, const QByteArray& key, const QByteArray& value);
    // Removes the key's deciding line.
    void removeKey(const QByteArray& group, const QByteArray& key);
    // Removes the group's last header when nothing follows it up to the next group.
    void removeEmptyGroup(const QByteArray& group);

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\n", "\r\n", or empty on a last line without one
    };
    // The index of the key's deciding line, or -1.
    qsizetype find(const QByteArray& group, const QByteArray& key) const;
    // The index of the last header of the group, or -1.
    qsizetype lastHeader(const QByteArray& group) const;
    void insert(qsizetype at, const QByteArray& text);
    void remove(qsizetype at);

    QList<Line> m_lines;
    QByteArray m_newline = "\n"; // the file's own line end
};

} // namespace korvane
