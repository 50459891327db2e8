#include "roomwindow.h"

#include "bots.h"
#include "roomserver.h"
#include "roomservice.h"
#include "roomtext.h"
#include "roomtranscript.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template<typename Widget>
Widget *named(Widget *widget, const char *objectName, const QString &accessibleName)
{
    widget->setObjectName(QLatin1StringView(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

RoomWindow::RoomWindow(RoomTranscript &transcript, RoomService &service, Bots &bots, RoomServer &server,
                       QWidget *parent)
    : QWidget(parent)
    , m_transcript(transcript)
    , m_service(service)
    , m_server(server)
{
    setObjectName(QStringLiteral("chatRoom"));
    setWindowTitle(QStringLiteral("Chat room (stand-in)"));
    resize(640, 560);

    m_view = named(new QPlainTextEdit, "transcriptView", QStringLiteral("Room transcript"));
    m_view->setReadOnly(true);
    m_view->setMaximumBlockCount(kMaxShownLines);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    // Speaking as any avatar.
    m_avatar = named(new QLineEdit(QStringLiteral("Visitor")), "avatarName", QStringLiteral("Avatar name"));
    m_text = named(new QLineEdit, "lineText", QStringLiteral("Text to say"));
    m_text->setPlaceholderText(QStringLiteral("Type a line, then Say or ESP host"));
    auto *say = named(new QPushButton(QStringLiteral("&Say")), "sayButton", QStringLiteral("Say in the room"));
    auto *esp = named(new QPushButton(QStringLiteral("&ESP host")), "espButton",
                      QStringLiteral("Send the text to the host by ESP"));
    say->setDefault(true);
    auto *speakBox = named(new QGroupBox(QStringLiteral("Speak as an avatar")), "speakBox",
                           QStringLiteral("Speak as an avatar"));
    auto *speakForm = new QFormLayout(speakBox);
    auto *avatarLabel = new QLabel(QStringLiteral("&Avatar:"));
    avatarLabel->setBuddy(m_avatar);
    auto *textLabel = new QLabel(QStringLiteral("&Text:"));
    textLabel->setBuddy(m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(say);
    buttons->addWidget(esp);
    buttons->addStretch();
    speakForm->addRow(avatarLabel, m_avatar);
    speakForm->addRow(textLabel, m_text);
    speakForm->addRow(buttons);

    // Bots and the answers to inject.
    m_bots = named(new QSpinBox, "botCount", QStringLiteral("Number of bots"));
    m_bots->setRange(0, Bots::kMax);
    m_bots->setValue(bots.count());
    m_statusCode = named(new QComboBox, "statusCode", QStringLiteral("Status to answer with"));
    m_statusCode->addItem(QStringLiteral("6 (busy)"), QByteArray("6"));
    m_statusCode->addItem(QStringLiteral("10 (not registered)"), QByteArray("10"));
    m_statusCode->addItem(QStringLiteral("-1 (failed)"), QByteArray("-1"));
    m_statusCode->addItem(QStringLiteral("0 (done)"), QByteArray("0"));
    m_statusCode->addItem(QStringLiteral("(empty status)"), QByteArray(""));
    m_statusCount = named(new QSpinBox, "statusCount", QStringLiteral("Number of calls to answer so"));
    m_statusCount->setRange(1, 1000);
    m_statusCount->setPrefix(QStringLiteral("× "));
    auto *injectButton = named(new QPushButton(QStringLiteral("&Inject")), "injectButton",
                               QStringLiteral("Answer the next calls with this status"));
    m_injected = named(new QLabel, "injectedStatuses", QStringLiteral("Statuses still to answer"));
    auto *controls = named(new QGroupBox(QStringLiteral("Room control")), "controlBox", QStringLiteral("Room control"));
    auto *controlForm = new QFormLayout(controls);
    auto *botsLabel = new QLabel(QStringLiteral("&Bots:"));
    botsLabel->setBuddy(m_bots);
    controlForm->addRow(botsLabel, m_bots);
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(m_statusCode, 1);
    statusRow->addWidget(m_statusCount);
    statusRow->addWidget(injectButton);
    auto *statusLabel = new QLabel(QStringLiteral("Next &answers:"));
    statusLabel->setBuddy(m_statusCode);
    controlForm->addRow(statusLabel, statusRow);
    controlForm->addRow(QString(), m_injected);

    m_info = named(new QLabel, "roomInfo", QStringLiteral("Room information"));
    m_message = named(new QLabel, "inputMessage", QStringLiteral("Input message"));
    m_message->setStyleSheet(QStringLiteral("color: #b00020"));
    // Names, statuses and messages come from whoever drives the room: never markup.
    for (QLabel *label : {m_injected, m_info, m_message})
        label->setTextFormat(Qt::PlainText);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(speakBox);
    layout->addWidget(controls);
    layout->addWidget(m_message);
    layout->addWidget(m_info);
    setTabOrder(m_avatar, m_text);

    connect(say, &QPushButton::clicked, this, [this] { speak(false); });
    connect(esp, &QPushButton::clicked, this, [this] { speak(true); });
    connect(m_text, &QLineEdit::returnPressed, this, [this] { speak(false); });
    connect(m_bots, &QSpinBox::valueChanged, &bots, &Bots::setCount);
    connect(&bots, &Bots::countChanged, m_bots, &QSpinBox::setValue);
    connect(injectButton, &QPushButton::clicked, this, &RoomWindow::inject);
    connect(&m_service, &RoomService::injectedStatusesChanged, this, &RoomWindow::showInjected);
    connect(&m_transcript, &RoomTranscript::lineAppended, this, &RoomWindow::showLine);
    connect(&m_transcript, &RoomTranscript::replaced, this, &RoomWindow::showAll);
    connect(&m_server, &RoomServer::connectionCountChanged, this, &RoomWindow::showConnections);

    // Start at the right edge of the screen, where it leaves the program's
    // window (top left) in view.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(std::max(free.left(), free.right() - width() - 40), free.top() + 40);
    }

    showAll();
    showInjected();
    showConnections(m_server.connectionCount());
    m_text->setFocus();
}

void RoomWindow::showAll()
{
    m_view->setPlainText(
        RoomText::toUnicode(m_transcript.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void RoomWindow::showLine(const QByteArray &line)
{
    // Follow new lines only when the view is at the bottom, so reading back stays put.
    QScrollBar *bar = m_view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    m_view->appendPlainText(RoomText::toUnicode(line));
    if (atEnd)
        bar->setValue(bar->maximum());
}

void RoomWindow::speak(bool esp)
{
    QString error;
    const auto name = RoomText::fromUnicode(m_avatar->text().trimmed(), &error);
    const auto text = name ? RoomText::fromUnicode(m_text->text(), &error) : std::nullopt;
    if (name && name->isEmpty())
        error = QStringLiteral("Type the avatar's name first.");
    else if (name && name->contains(": "))
        error = QStringLiteral("An avatar's name cannot hold \": \".");
    if (!name || !text || !error.isEmpty()) {
        m_message->setText(error);
        return;
    }
    m_message->clear();
    m_transcript.append((esp ? "ESP from " : "") + *name + ": " + *text);
    m_text->clear();
}

void RoomWindow::inject()
{
    m_service.injectStatus(m_statusCode->currentData().toByteArray(), m_statusCount->value());
}

void RoomWindow::showInjected()
{
    QStringList codes;
    for (const QByteArray &code : m_service.injectedStatuses())
        codes.append(code.isEmpty() ? QStringLiteral("\"\"") : RoomText::toUnicode(code));
    if (codes.size() > 12)
        codes = codes.mid(0, 12) << QStringLiteral("… (%1 in all)").arg(m_service.injectedStatuses().size());
    m_injected->setText(codes.isEmpty() ? QStringLiteral("Every call is answered normally.")
                                        : QStringLiteral("Still to answer: %1").arg(codes.join(u", ")));
}

void RoomWindow::showConnections(int count)
{
    m_info->setText(QStringLiteral("Listening on %1 · host %2 · %3 program(s) connected")
                        .arg(m_server.socketPath(), RoomText::toUnicode(m_service.host()))
                        .arg(count));
}
