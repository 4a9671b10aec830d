#pragma once
// cfg.ini: Windows initialisation-file syntax in the GBK code page. Values are kept as the bytes of the
// file, so scrambled values (which need not be valid GBK) survive a read and write unchanged. Every write
// goes to the file at once, as the Windows profile functions do.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TIniFile
{
public:
    // Reads the file when it exists; a missing or unreadable file reads as empty.
    explicit TIniFile(const QString &path);

    const QString &FileName() const { return m_path; }

    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // A value that is not a whole number gives the default.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    // "0" is false, any other number true; anything else gives the default.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    // The stored bytes as they stand in the file; null when the key is absent.
    QByteArray ReadBytes(const QString &section, const QString &key) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList ReadSection(const QString &section) const;

    // Each write saves the file; throws EConvertError... never: a file that cannot be written is reported
    // by the return value (false), the value stays in memory.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);
    bool WriteBytes(const QString &section, const QString &key, const QByteArray &value);
    bool DeleteKey(const QString &section, const QString &key);

    static QByteArray ToGbk(const QString &text);
    static QString FromGbk(const QByteArray &bytes);

private:
    struct TLine
    {
        QByteArray Raw; // the line as read (comments, blank lines, section headers)
        QByteArray Key; // set for key=value lines
        QByteArray Value;
    };
    struct TSection
    {
        QByteArray Name;
        std::vector<TLine> Lines;
    };

    TSection *FindSection(const QString &section);
    const TSection *FindSection(const QString &section) const;
    const TLine *FindLine(const QString &section, const QString &key) const;
    bool Save() const;

    QString m_path;
    std::vector<TSection> m_sections; // the first one has an empty name: lines before any section header
};
