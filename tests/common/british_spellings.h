#pragma once
// British spellings the course texts must not use: they are written in American English.
#include <QRegularExpression>
#include <QStringList>

inline const QStringList& BritishSpellings()
{
    static const QStringList words{
        "colour", "humour", "honour", "behaviour", "favour", "labour", "neighbour", "rumour", "vigour",
        "centre", "centred", "organis(?:e|ed|es|ing|ations?)\\b", "recognis(?:e|ed|es|ing|able)\\b",
        "realis(?:e|ed|es|ing|ation)\\b", "emphasis(?:e|ed|ing)\\b", "judgement",
        "travell", "analys(?:e|ed|ing)\\b", "defence", "licence"};
    return words;
}

// The first British spelling in the text, or "" when there is none.
inline QString FirstBritishSpelling(const QString& text)
{
    for (const QString& word : BritishSpellings()) {
        const QRegularExpression pattern(QStringLiteral("\\b") + word, QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = pattern.match(text);
        if (match.hasMatch())
            return text.mid(qMax<qsizetype>(0, match.capturedStart() - 20), 50);
    }
    return {};
}
