// cfg.ini reading and writing: Windows initialisation-file syntax, GBK bytes, CR LF line ends.
#include "ini_file.h"

#include <iterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsQuote(char ch)
{
    return ch == '"' || ch == '\'';
}

// A value enclosed in matching quotes loses them on reading, as with the Windows profile functions.
QByteArray Unquote(const QByteArray &value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back())
        return value.mid(1, value.size() - 2);
    return value;
}

// Values whose ends would be trimmed or unquoted on reading are written inside double quotes, so every
// byte string (a scrambled password too) reads back as it was written.
QByteArray Quote(const QByteArray &value)
{
    if (value.isEmpty())
        return value;
    const bool trimmedAway = IsBlank(value.front()) || IsBlank(value.back());
    const bool unquotedAway = value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
    return trimmedAway || unquotedAway ? '"' + value + '"' : value;
}

bool SameName(const QByteArray &stored, const QString &wanted)
{
    return TIniFile::FromGbk(stored).compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

bool IsKeyLine(const QByteArray &key)
{
    return !key.isEmpty();
}

} // namespace

TIniFile::TIniFile(const QString &path) : m_path(path)
{
    m_sections.push_back(TSection{});
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    QList<QByteArray> lines = content.split('\n');
    if (content.endsWith('\n'))
        lines.removeLast();
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            const qsizetype close = trimmed.indexOf(']');
            if (close > 0) {
                m_sections.push_back(TSection{trimmed.mid(1, close - 1).trimmed(), {}});
                continue;
            }
        }
        TLine entry;
        entry.Raw = line;
        const qsizetype eq = line.indexOf('=');
        if (!trimmed.startsWith(';') && eq > 0) {
            entry.Key = line.left(eq).trimmed();
            entry.Value = Unquote(line.mid(eq + 1).trimmed());
        }
        m_sections.back().Lines.push_back(entry);
    }
}

QByteArray TIniFile::ToGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}

QString TIniFile::FromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

TIniFile::TSection *TIniFile::FindSection(const QString &section)
{
    return const_cast<TSection *>(std::as_const(*this).FindSection(section));
}

const TIniFile::TSection *TIniFile::FindSection(const QString &section) const
{
    // The first entry holds the lines before any header and has no name to be found by.
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (SameName(m_sections[i].Name, section))
            return &m_sections[i];
    }
    return nullptr;
}

const TIniFile::TLine *TIniFile::FindLine(const QString &section, const QString &key) const
{
    const TSection *found = FindSection(section);
    if (!found)
        return nullptr;
    for (const TLine &line : found->Lines) {
        if (IsKeyLine(line.Key) && SameName(line.Key, key))
            return &line;
    }
    return nullptr;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const TLine *line = FindLine(section, key);
    return line ? FromGbk(line->Value) : defaultValue;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    const TLine *line = FindLine(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    const int value = FromGbk(line->Value).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QByteArray TIniFile::ReadBytes(const QString &section, const QString &key) const
{
    const TLine *line = FindLine(section, key);
    if (!line)
        return QByteArray();
    return line->Value.isNull() ? QByteArrayLiteral("") : line->Value;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return FindLine(section, key) != nullptr;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    if (const TSection *found = FindSection(section)) {
        for (const TLine &line : found->Lines) {
            if (IsKeyLine(line.Key))
                keys.append(FromGbk(line.Key));
        }
    }
    return keys;
}

bool TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    return WriteBytes(section, key, ToGbk(value));
}

bool TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return WriteBytes(section, key, QByteArray::number(value));
}

bool TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteBytes(section, key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

bool TIniFile::WriteBytes(const QString &section, const QString &key, const QByteArray &value)
{
    // Like the profile functions, a write starts from the file as it is now, so what another writer
    // saved in the meantime is kept.
    if (QFileInfo(m_path).isReadable())
        *this = TIniFile(m_path);

    TSection *target = FindSection(section);
    if (!target) {
        m_sections.push_back(TSection{ToGbk(section.trimmed()), {}});
        target = &m_sections.back();
    }
    for (TLine &line : target->Lines) {
        if (IsKeyLine(line.Key) && SameName(line.Key, key)) {
            line.Value = value;
            line.Raw = line.Key + '=' + Quote(value);
            return Save();
        }
    }
    TLine added;
    added.Key = ToGbk(key.trimmed());
    added.Value = value;
    added.Raw = added.Key + '=' + Quote(value);
    // A new key follows the last line with content, so blank lines between sections stay where they are.
    auto at = target->Lines.end();
    while (at != target->Lines.begin() && std::prev(at)->Raw.trimmed().isEmpty())
        --at;
    target->Lines.insert(at, added);
    return Save();
}

bool TIniFile::DeleteKey(const QString &section, const QString &key)
{
    if (QFileInfo(m_path).isReadable())
        *this = TIniFile(m_path);

    TSection *target = FindSection(section);
    if (!target)
        return true;
    for (auto it = target->Lines.begin(); it != target->Lines.end(); ++it) {
        if (IsKeyLine(it->Key) && SameName(it->Key, key)) {
            target->Lines.erase(it);
            return Save();
        }
    }
    return true;
}

bool TIniFile::Save() const
{
    if (m_path.isEmpty())
        return false;
    QByteArray content;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const TSection &section = m_sections[i];
        if (i > 0)
            content += '[' + section.Name + ']' + LineEnd;
        for (const TLine &line : section.Lines)
            content += line.Raw + LineEnd;
    }
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
