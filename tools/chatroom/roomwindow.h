#pragma once

#include <QWidget>

class Bots;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class RoomServer;
class RoomService;
class RoomTranscript;

// The room on screen: the chat window's text, a line to speak as any avatar
// or to ESP the host, the number of bots and the answers to inject.
class RoomWindow : public QWidget
{
    Q_OBJECT

public:
    // The view keeps the newest lines only; the transcript itself keeps all.
    static constexpr int kMaxShownLines = 20000;

    RoomWindow(RoomTranscript &transcript, RoomService &service, Bots &bots, RoomServer &server,
               QWidget *parent = nullptr);

private:
    void showAll();
    void showLine(const QByteArray &line);
    void speak(bool esp);
    void inject();
    void showInjected();
    void showConnections(int count);

    RoomTranscript &m_transcript;
    RoomService &m_service;
    RoomServer &m_server;
    QPlainTextEdit *m_view;
    QLineEdit *m_avatar;
    QLineEdit *m_text;
    QSpinBox *m_bots;
    QComboBox *m_statusCode;
    QSpinBox *m_statusCount;
    QLabel *m_injected;
    QLabel *m_info;
    QLabel *m_message;
};
