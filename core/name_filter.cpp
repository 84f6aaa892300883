// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/name_filter.h"

std::optional<QChar> FilterNameKey(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'a' && c <= u'z')
        return QChar(char16_t(c - u'a' + u'A'));
    if (c >= u'A' && c <= u'Z')
        return typed;
    if (c == u' ' || c == u'\r' || c == u'\b')
        return typed;
    return std::nullopt;
}

std::optional<QString> FilterNameText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const auto accepted = FilterNameKey(c);
        if (!accepted)
            return std::nullopt;
        result.append(*accepted);
    }
    return result;
}

QString OnlyLettersMessage()
{
    return QStringLiteral("Please Enter only Letters");
}

QString OnlyAlphabetMessage()
{
    return QStringLiteral("Please Enter Only Alphabet");
}
