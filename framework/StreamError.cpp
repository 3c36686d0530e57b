#include "framework/StreamError.h"

namespace {
// Fuzzed or corrupt input can hold very long words; the message stays readable.
constexpr qsizetype kMaxQuoted = 60;
} // namespace

void TStreamError::Throw(const QString& source, int line, const QString& message)
{
    throw EReadError(QStringLiteral("%1(%2): %3").arg(source).arg(line).arg(message));
}

QString TStreamError::Quote(const QString& word)
{
    QString shown = word.size() > kMaxQuoted ? word.left(kMaxQuoted) + QStringLiteral("...") : word;
    for (QChar& c : shown)
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}
