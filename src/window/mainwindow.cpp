#include "window/mainwindow.h"

#include "ui_mainwindow.h"
#include "window/showntext.h"
#include "window/windowcontrols.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QWindow>

MainWindow::MainWindow(WindowLayout &layout, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_layout(layout)
{
    m_ui->setupUi(this);
    m_controls = std::make_unique<WindowControls>(*m_ui);
    m_ui->mnuSpace->setSeparator(true);

    m_panels = {m_ui->Frame2, m_ui->Frame3, m_ui->Frame22, m_ui->Frame4,
                m_ui->Frame5, m_ui->Frame9, m_ui->Frame6,  m_ui->Frame10};
    for (int panel = 0; panel < WindowLayout::PanelCount; ++panel) {
        const auto p = static_cast<WindowLayout::Panel>(panel);
        applyVisibility(p, m_layout.isVisible(p));
    }
    applyOuterSize(m_layout.outerSize());

    connect(&m_layout, &WindowLayout::visibilityChanged, this, &MainWindow::applyVisibility);
    connect(&m_layout, &WindowLayout::outerSizeChanged, this, &MainWindow::applyOuterSize);
    const auto showMarks = [this] {
        m_ui->mnuRaffler->setChecked(m_layout.isRafflerChecked());
        m_ui->mnuLister->setChecked(m_layout.isListerChecked());
    };
    connect(&m_layout, &WindowLayout::modeChanged, this, showMarks);
    showMarks();
}

MainWindow::~MainWindow() = default;

int MainWindow::pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QSize MainWindow::clientSizeFor(QSize outerTwips)
{
    return {pixels(std::max(0, outerTwips.width() - kFrameWidthTwips)),
            pixels(std::max(0, outerTwips.height() - kFrameHeightTwips))};
}

void MainWindow::applyOuterSize(QSize outerTwips)
{
    // The controls stand at fixed places, so the host does not resize the
    // window; the program sets its sizes. A size change keeps the top-left corner.
    const QSize client = clientSizeFor(outerTwips);
    setFixedSize(client.width(), client.height() + m_ui->menubar->sizeHint().height());
}

void MainWindow::applyVisibility(WindowLayout::Panel panel, bool visible)
{
    m_panels[panel]->setVisible(visible);
}

void MainWindow::centreOnScreen(QSize outerTwips)
{
    const QScreen *target = screen();
    if (!target)
        return;
    const QRect area = target->geometry();
    move(area.x() + (area.width() - pixels(outerTwips.width())) / 2,
         area.y() + (area.height() - pixels(outerTwips.height())) / 2);
}

void MainWindow::setStayOnTop(bool on)
{
    // Changing the flags of a shown widget would hide it; the native window
    // takes the change in place.
    overrideWindowFlags(on ? windowFlags() | Qt::WindowStaysOnTopHint : windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow *handle = windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

bool MainWindow::isStayOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::showNotice(const QString &notice)
{
    if (!m_notice) {
        m_notice = new QLabel(QStringLiteral("\u26A0"), m_ui->menubar);
        m_notice->setObjectName(QStringLiteral("notice"));
        m_notice->setTextFormat(Qt::PlainText);
        m_ui->menubar->setCornerWidget(m_notice, Qt::TopRightCorner);
    }
    m_notice->setToolTip(ShownText::toolTip(notice)); // paths and system messages are no markup
    m_notice->setAccessibleName(notice);
    m_notice->setVisible(!notice.isEmpty());
}

// Panels that a smaller size moves out of the window stay shown, so Tab
// would wander through controls the host cannot see; it passes them by.
bool MainWindow::focusNextPrevChild(bool next)
{
    const QWidget *start = focusWidget();
    for (int step = 0; step < 1000; ++step) {
        if (!QMainWindow::focusNextPrevChild(next))
            return false;
        const QWidget *now = focusWidget();
        if (!now || now == start || rect().contains(now->mapTo(this, now->rect().center())))
            return true;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
    event->accept();
}
