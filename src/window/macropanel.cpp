#include "window/macropanel.h"

#include "macros/macrobank.h"
#include "macros/macrofiles.h"
#include "macros/macrosender.h"
#include "ui_mainwindow.h"
#include "window/controlguide.h"
#include "window/showntext.h"
#include "window/windowcontrols.h"
#include "window/windowlayout.h"

#include <QMouseEvent>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The boxes break lines as paragraphs; the macros keep CR LF.
QString forBox(const QString &text)
{
    return QString(text).replace(u"\r\n"_s, u"\n"_s);
}

QString fromBox(const QTextEdit *box)
{
    const QString raw = box->document()->toRawText(); // keeps no-break spaces as typed
    QString text;
    text.reserve(raw.size());
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            text += u"\r\n"_s;
        else
            text += c;
    }
    return text;
}

} // namespace

MacroPanel::MacroPanel(Ui::MainWindow &ui, const WindowControls &controls, MacroBank &bank, MacroSender &sender,
                       MacroFiles &files, WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_controls(controls)
    , m_bank(bank)
    , m_sender(sender)
    , m_files(files)
    , m_layout(layout)
{
    bindBoxes();
    bindButtons();
    connect(ui.Command6, &QPushButton::clicked, this, &MacroPanel::Command6_Click);
    connect(ui.Command26, &QPushButton::clicked, this, &MacroPanel::Command26_Click);
    connect(ui.Command27, &QPushButton::clicked, this, &MacroPanel::Command27_Click);
    connect(ui.Command28, &QPushButton::clicked, this, &MacroPanel::Command28_Click);
    connect(ui.mnuEdit, &QAction::triggered, this, &MacroPanel::mnuEdit_Click);
    connect(ui.mnuLoad, &QAction::triggered, this, &MacroPanel::mnuLoad_Click);
    connect(ui.mnuSave, &QAction::triggered, this, &MacroPanel::mnuSave_Click);
}

void MacroPanel::bindBoxes()
{
    for (int i = 0; i < MacroBank::kCount; ++i) {
        QTextEdit *edit = m_controls.macroBoxes[i];
        edit->setAcceptRichText(false);
        edit->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
        showText(i, m_bank.text(i));
        connect(edit, &QTextEdit::textChanged, &m_bank, [this, i, edit] {
            if (!m_showing)
                m_bank.setText(i, fromBox(edit));
        });
    }
    connect(&m_bank, &MacroBank::textChanged, this, &MacroPanel::showText);
    connect(m_ui.HScroll1, &QScrollBar::valueChanged, &m_bank, &MacroBank::setPage);
    connect(&m_bank, &MacroBank::pageChanged, this, &MacroPanel::showPage);
    showPage(m_bank.page());
}

void MacroPanel::bindButtons()
{
    for (int i = 0; i < MacroBank::kCount; ++i) {
        QPushButton *say = m_controls.macroButtons[i];
        connect(say, &QPushButton::clicked, &m_sender, [this, i] { m_sender.say(i); });
        say->installEventFilter(this);
        say->setContextMenuPolicy(Qt::PreventContextMenu); // the Macros menu is the buttons' only menu
    }
    connect(&m_bank, &MacroBank::toolTipsChanged, this, &MacroPanel::showToolTips);
    showToolTips();
}

void MacroPanel::startUp()
{
    for (QTextEdit *edit : m_controls.macroBoxes) {
        edit->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
        edit->setVisible(false);
    }
    m_bank.setPage(0);
}

void MacroPanel::showText(int index, const QString &text)
{
    QTextEdit *edit = m_controls.macroBoxes[index];
    if (fromBox(edit) == text)
        return;
    const bool wasShowing = std::exchange(m_showing, true);
    edit->setPlainText(forBox(text));
    m_showing = wasShowing;
}

void MacroPanel::showPage(int page)
{
    for (QTextEdit *edit : m_controls.macroBoxes)
        edit->setVisible(false);
    m_controls.macroBoxes[page]->setVisible(true);
    setFrameTitle(m_ui.fra1, m_bank.caption());
    if (m_ui.HScroll1->value() != page)
        m_ui.HScroll1->setValue(page);
}

QString MacroPanel::toolTipFor(const QString &text)
{
    return ShownText::toolTip(forBox(text));
}

void MacroPanel::showToolTips()
{
    for (int i = 0; i < MacroBank::kCount; ++i)
        m_controls.macroButtons[i]->setToolTip(toolTipFor(m_bank.toolTip(i)));
}

// The right button's release on a macro button offers the Macros menu at
// the mouse; it never says the macro.
bool MacroPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_ui.mnuMacros->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MacroPanel::Command6_Click()
{
    m_layout.setOuterHeight(WindowLayout::kNormalHeight);
    m_bank.refreshToolTips();
}

void MacroPanel::Command26_Click()
{
    m_bank.clearPage();
}

void MacroPanel::Command27_Click()
{
    m_files.GetSaveAsName(u"This File Name"_s, m_files.programDirectory());
}

void MacroPanel::Command28_Click()
{
    m_files.GetOpenName(m_files.programDirectory());
}

void MacroPanel::mnuEdit_Click()
{
    m_layout.setOuterHeight(WindowLayout::kMacroEditingHeight);
    m_layout.setOuterWidth(WindowLayout::kCompactWidth);
}

void MacroPanel::mnuLoad_Click()
{
    Command28_Click();
}

void MacroPanel::mnuSave_Click()
{
    Command27_Click();
}
