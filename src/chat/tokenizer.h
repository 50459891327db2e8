#pragma once

#include <QString>

// Cuts a text into pieces at a delimiter, remembering the rest between
// calls. The program keeps one tokenizer that the host look-up and the macro
// sender share, so each walk is finished before another starts.
class Tokenizer
{
public:
    // With a non-empty text, starts a new walk over it; with an empty one,
    // goes on with the rest. Returns the part before the next delimiter, or
    // the whole rest when there is none (the rest is then empty).
    QString GetToken(const QString &text, const QString &delimiter);

private:
    // The rest is m_text from m_position on; a walk never copies it.
    QString m_text;
    qsizetype m_position = 0;
};
