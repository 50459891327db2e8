#include "window/settingspanel.h"

#include "games/gamesession.h"
#include "settings/hostsettings.h"
#include "settings/prizelist.h"
#include "ui_mainwindow.h"
#include "window/controlguide.h"
#include "window/windowcontrols.h"
#include "window/windowlayout.h"

namespace {

void showText(QLineEdit *box, const QString &text)
{
    if (box && box->text() != text)
        box->setText(text);
}

} // namespace

SettingsPanel::SettingsPanel(Ui::MainWindow &ui, const WindowControls &controls, GameSession &session,
                             WindowLayout &layout, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_controls(controls)
    , m_settings(session.settings)
    , m_prizes(session.prizes)
    , m_session(session)
    , m_layout(layout)
{
    bindItems();
    bindChecks();
    bindPrizes();
    connect(ui.Command17, &QPushButton::clicked, this, &SettingsPanel::Command17_Click);
    connect(ui.Command18, &QPushButton::clicked, this, &SettingsPanel::Command18_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &SettingsPanel::Command2_Click);
}

void SettingsPanel::bindItems()
{
    for (int i = 0; i < HostSettings::kCount; ++i) {
        QLineEdit *box = m_controls.settingBoxes[i];
        if (!box)
            continue; // the yes/no items have check boxes
        box->setText(m_settings.item(i));
        connect(box, &QLineEdit::textEdited, &m_settings,
                [this, i](const QString &text) { m_settings.setItem(i, text); });
    }
    connect(&m_settings, &HostSettings::itemChanged, this,
            [this](int index, const QString &text) { showText(m_controls.settingBoxes[index], text); });
}

void SettingsPanel::bindChecks()
{
    const std::pair<HostSettings::Check, QCheckBox *> checks[] = {{HostSettings::Check::Confirmation, m_ui.Check1},
                                                                  {HostSettings::Check::SayWinnersList, m_ui.Check2},
                                                                  {HostSettings::Check::SayPrizes, m_ui.Check3}};
    for (const auto &[check, box] : checks) {
        box->setChecked(m_settings.isChecked(check));
        // Every change counts, a screen reader's Toggle too, which clicks
        // nothing. The table ignores the state it already holds, so a box it
        // sets itself does not run its yes/no toggle again.
        connect(box, &QCheckBox::toggled, &m_settings,
                [this, check = check](bool checked) { m_settings.setChecked(check, checked); });
    }
    connect(&m_settings, &HostSettings::checkedChanged, this, [this](HostSettings::Check check, bool checked) {
        QCheckBox *boxes[] = {m_ui.Check1, m_ui.Check2, m_ui.Check3};
        boxes[static_cast<int>(check)]->setChecked(checked);
    });
}

void SettingsPanel::bindPrizes()
{
    for (int i = 0; i < PrizeList::kCount; ++i) {
        QLineEdit *box = m_controls.prizeBoxes[i];
        box->setText(m_prizes.prize(i));
        connect(box, &QLineEdit::textEdited, &m_prizes, [this, i](const QString &text) { m_prizes.setPrize(i, text); });
    }
    connect(&m_prizes, &PrizeList::prizeChanged, this,
            [this](int index, const QString &text) { showText(m_controls.prizeBoxes[index], text); });
    connect(m_ui.VScroll1, &QScrollBar::valueChanged, &m_prizes, &PrizeList::setPage);
    connect(&m_prizes, &PrizeList::pageChanged, this, &SettingsPanel::showPrizePage);
    showPrizePage(m_prizes.page());
}

void SettingsPanel::showPrizePage(int page)
{
    for (int i = 0; i < PrizeList::kCount; ++i)
        m_controls.prizeBoxes[i]->setVisible(i == page);
    setFrameTitle(m_ui.Frame17, m_prizes.caption());
    if (m_ui.VScroll1->value() != page)
        m_ui.VScroll1->setValue(page);
}

void SettingsPanel::Command17_Click()
{
    m_session.saveSettings();
    m_layout.setOuterHeight(WindowLayout::kNormalHeight);
    m_layout.setOuterWidth(WindowLayout::kCompactWidth);
}

void SettingsPanel::Command18_Click()
{
    m_settings.clear();
    m_prizes.clear();
}

void SettingsPanel::Command2_Click()
{
    m_settings.restoreDefaults();
    m_prizes.restoreDefaults();
}
