#include "macros/macrobank.h"

MacroBank::MacroBank(QObject *parent)
    : QObject(parent)
{}

void MacroBank::setText(int index, const QString &text)
{
    if (index < 0 || index >= kCount || m_texts[index] == text)
        return;
    m_texts[index] = text;
    emit textChanged(index, text);
}

void MacroBank::setTexts(const QStringList &texts)
{
    for (int i = 0; i < kCount && i < texts.size(); ++i)
        setText(i, texts[i]);
}

QString MacroBank::caption() const
{
    return QStringLiteral("Macro #") + QString::number(m_page + 1);
}

void MacroBank::setPage(int page)
{
    if (page < 0 || page >= kCount)
        return;
    m_page = page;
    emit pageChanged(page);
}

void MacroBank::clearPage()
{
    setText(m_page, QString());
}

void MacroBank::refreshToolTips()
{
    m_toolTips = m_texts;
    emit toolTipsChanged();
}
