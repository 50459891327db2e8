#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

// The twenty macro texts the host says with one click, the page of the
// editor that shows one of them, and the copies the buttons' tooltips show.
// A text holds its lines separated by CR LF, as the chat client takes them.
class MacroBank : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCount = 20;

    explicit MacroBank(QObject *parent = nullptr);

    QString text(int index) const { return m_texts.at(index); }
    void setText(int index, const QString &text);
    QStringList texts() const { return QStringList(m_texts.begin(), m_texts.end()); }
    // The texts a file supplied, macro 0 first; macros beyond them keep theirs.
    void setTexts(const QStringList &texts);

    // The scroll bar's value, which is also the one box shown.
    int page() const { return m_page; }
    // The caption of the editor's frame, "Macro #1" for page 0.
    QString caption() const;
    // The scroll bar moved: show that page.
    void setPage(int page);

    // "Clear": empties the page shown, leaving its tooltip copy alone.
    void clearPage();

    // What button i's tooltip shows: the text as it was at the last "Ok".
    QString toolTip(int index) const { return m_toolTips.at(index); }
    void refreshToolTips();

signals:
    void textChanged(int index, const QString &text);
    void pageChanged(int page);
    void toolTipsChanged();

private:
    std::array<QString, kCount> m_texts;
    std::array<QString, kCount> m_toolTips;
    int m_page = 0;
};
