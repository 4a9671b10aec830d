#pragma once
// Text files the program hands to people: GBK, every line ended by CR LF.

#include <functional>
#include <QStringList>

// Writes the lines to the file, replacing it. A character GBK cannot hold becomes the text `substitute`
// gives for it (a character reference in a web page), or "?" without one. Throws Exception with the
// file name and the reason when the file cannot be written; an existing file is then left as it was.
void WriteGbkTextFile(const QString &path, const QStringList &lines,
                      const std::function<QString(char32_t)> &substitute = {});

// The GBK bytes of a text, with the same substitution.
QByteArray ToGbk(const QString &text, const std::function<QString(char32_t)> &substitute = {});
