#include "mimeapps_list.h"

namespace korvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

QByteArrayView skipBlanks(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    return text;
}

// The group a header line opens; nothing for any other line.
std::optional<QByteArray> headerOf(const QByteArray& line) {
    const QByteArrayView text = skipBlanks(line);
    if (!text.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype close = text.indexOf(']');
    return close < 0 ? std::nullopt : std::optional(text.sliced(1, close - 1).toByteArray());
}

// Where a key's value starts on its line, or -1 when the line sets another key or none.
qsizetype valueStart(const QByteArray& line, const QByteArray& key) {
    const QByteArrayView text = skipBlanks(line);
    if (text.startsWith('#') || text.startsWith('[')) {
        return -1;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals < 0) {
        return -1;
    }
    QByteArrayView name = text.first(equals);
    while (!name.isEmpty() && isBlank(name.back())) {
        name.chop(1);
    }
    if (name != key) {
        return -1;
    }
    qsizetype start = line.size() - text.size() + equals + 1;
    while (start < line.size() && isBlank(line[start])) {
        ++start;
    }
    return start;
}

} // namespace

MimeappsList::MimeappsList(const QByteArray& bytes) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype stop = newline < 0 ? bytes.size() : newline;
        const bool crlf = stop > start && bytes[stop - 1] == '\r' && newline >= 0;
        const QByteArray end = newline < 0 ? QByteArray() : QByteArray(crlf ? "\r\n" : "\n");
        if (m_lines.isEmpty() && !end.isEmpty()) {
            m_newline = end;
        }
        m_lines.append({bytes.mid(start, stop - start - (crlf ? 1 : 0)), end});
        start = stop + 1;
    }
}

QByteArray MimeappsList::bytes() const {
    QByteArray bytes;
    for (const Line& line : m_lines) {
        bytes += line.text + line.end;
    }
    return bytes;
}

qsizetype MimeappsList::lastHeader(const QByteArray& group) const {
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        if (headerOf(m_lines[i].text) == group) {
            return i;
        }
    }
    return -1;
}

bool MimeappsList::hasGroup(const QByteArray& group) const {
    return lastHeader(group) >= 0;
}

qsizetype MimeappsList::find(const QByteArray& group, const QByteArray& key) const {
    qsizetype found = -1;
    bool inGroup = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (const auto header = headerOf(m_lines[i].text)) {
            inGroup = *header == group;
        } else if (inGroup && valueStart(m_lines[i].text, key) >= 0) {
            found = i;
        }
    }
    return found;
}

std::optional<QByteArray> MimeappsList::value(const QByteArray& group,
                                              const QByteArray& key) const {
    const qsizetype at = find(group, key);
    if (at < 0) {
        return std::nullopt;
    }
    const QByteArray& text = m_lines[at].text;
    return text.mid(valueStart(text, key));
}

void MimeappsList::insert(qsizetype at, const QByteArray& text) {
    // A line added after a last line without a line end takes that line's (missing) end, so
    // that removing it again gives the same bytes.
    if (at == m_lines.size() && at > 0 && m_lines[at - 1].end.isEmpty()) {
        m_lines[at - 1].end = m_newline;
        m_lines.append({text, {}});
        return;
    }
    m_lines.insert(at, {text, m_newline});
}

void MimeappsList::remove(qsizetype at) {
    if (at == m_lines.size() - 1 && m_lines[at].end.isEmpty() && at > 0) {
        m_lines[at - 1].end.clear();
    }
    m_lines.removeAt(at);
}

void MimeappsList::setValue(const QByteArray& group, const QByteArray& key,
                            const QByteArray& value) {
    if (const qsizetype at = find(group, key); at >= 0) {
        Line& line = m_lines[at];
        line.text = line.text.left(valueStart(line.text, key)) + value;
        return;
    }
    qsizetype header = lastHeader(group);
    if (header < 0) {
        insert(m_lines.size(), '[' + group + ']');
        header = m_lines.size() - 1;
    }
    // After the group's last key, so that comments and blank lines before the next group stay
    // where they are.
    qsizetype at = header + 1;
    for (qsizetype i = header + 1; i < m_lines.size() && !headerOf(m_lines[i].text); ++i) {
        const QByteArrayView text = skipBlanks(m_lines[i].text);
        if (!text.isEmpty() && !text.startsWith('#')) {
            at = i + 1;
        }
    }
    insert(at, key + '=' + value);
}

void MimeappsList::removeKey(const QByteArray& group, const QByteArray& key) {
    if (const qsizetype at = find(group, key); at >= 0) {
        remove(at);
    }
}

void MimeappsList::removeEmptyGroup(const QByteArray& group) {
    const qsizetype header = lastHeader(group);
    if (header >= 0 && (header + 1 == m_lines.size() || headerOf(m_lines[header + 1].text))) {
        remove(header);
    }
}

} // namespace korvane
