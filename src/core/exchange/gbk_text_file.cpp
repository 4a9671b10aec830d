#include "gbk_text_file.h"

#include "support/errors.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray Encode(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

bool RoundTrips(const QString &text, const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    const QString back = decoder.decode(bytes);
    return back == text;
}

} // namespace

QByteArray ToGbk(const QString &text, const std::function<QString(char32_t)> &substitute)
{
    QByteArray bytes = Encode(text);
    if (RoundTrips(text, bytes))
        return bytes;
    // Some character has no GBK code: go through the text one character at a time.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, length);
        const QByteArray encoded = Encode(one);
        if (RoundTrips(one, encoded)) {
            bytes += encoded;
        } else {
            const char32_t code =
                length == 2 ? QChar::surrogateToUcs4(one.at(0), one.at(1)) : one.at(0).unicode();
            bytes += Encode(substitute ? substitute(code) : QStringLiteral("?"));
        }
        i += length;
    }
    return bytes;
}

void WriteGbkTextFile(const QString &path, const QStringList &lines,
                      const std::function<QString(char32_t)> &substitute)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("无法写入文件 %1:\r\n%2").arg(path, file.errorString()));
    for (const QString &line : lines) {
        file.write(ToGbk(line, substitute));
        file.write("\r\n", 2);
    }
    if (!file.commit())
        throw Exception(QStringLiteral("无法写入文件 %1:\r\n%2").arg(path, file.errorString()));
}
