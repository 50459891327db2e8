#include "about/aboutbox.h"

#include "about/programicon.h"
#include "interaction/prompts.h"
#include "ui_aboutbox.h"
#include "version.h"

AboutBox::AboutBox(const QString &title, WindowInput &input, Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutBox>())
    , m_busy(std::in_place, input)
    , m_prompts(prompts)
    , m_title(title)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    QFont titleFont = m_ui->lblTitle->font();
    titleFont.setBold(true);
    if (titleFont.pixelSize() > 0)
        titleFont.setPixelSize(titleFont.pixelSize() * 3 / 2);
    else
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_ui->lblTitle->setFont(titleFont);
    // The two lines make one etched rule: a dark one with a light one below.
    m_ui->Line1_0->setForegroundRole(QPalette::Dark);
    m_ui->Line1_1->setForegroundRole(QPalette::Light);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);
    Form_Load(title);
}

AboutBox::~AboutBox() = default;

QString AboutBox::versionText()
{
    return QStringLiteral("Version " RAFFLER_VERSION);
}

void AboutBox::Form_Load(const QString &title)
{
    setWindowTitle(QStringLiteral("About ") + title);
    const QIcon icon = programIcon();
    setWindowIcon(icon);
    m_ui->picIcon->setPixmap(icon.pixmap(32, 32));
    m_ui->picIcon->setAccessibleName(title); // a picture has no caption of its own
    m_ui->lblVersion->setText(versionText());
    m_ui->lblTitle->setText(title);
}

void AboutBox::cmdOK_Click()
{
    accept();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutBox::StartSysInfo()
{
    if (!m_tool.start())
        m_prompts.showMessage(m_title, QStringLiteral("System Information Is Unavailable At This Time"));
}

// Escape and the close box end here as "OK" does, so the main window never
// stays without input.
void AboutBox::done(int result)
{
    m_busy.reset();
    QDialog::done(result);
}
