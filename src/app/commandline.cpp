#include "app/commandline.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Qt's own options for the window system, which QApplication takes out of
// the arguments itself later: "-platform offscreen", "-style fusion".
const QStringList kQtOptionsWithValue = {
    u"platform"_s,        u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,
    u"qwindowgeometry"_s, u"qwindowicon"_s,        u"qwindowtitle"_s,  u"session"_s,
    u"display"_s,         u"geometry"_s,           u"style"_s,         u"stylesheet"_s};
const QStringList kQtFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s};

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    m_parser.setApplicationDescription(u"Hosts raffles, a first-come queue and a colours game in an avatar chat room.\n"
                                       "Start the chat client first; without options the program opens its window."_s);
    // Qt spells its options with one dash.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all promises Qt's options, which only
    // QApplication knows.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    m_parser.addOption(help);
    const QCommandLineOption version = m_parser.addVersionOption();
    for (const QString &name : kQtOptionsWithValue) {
        QCommandLineOption option(name, {}, u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const QString &name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }

    if (!m_parser.parse(arguments)) {
        m_request = Request::Mistake;
        m_mistake = m_parser.errorText();
    } else if (!m_parser.positionalArguments().isEmpty()) {
        m_request = Request::Mistake;
        m_mistake = u"Unexpected argument '%1'."_s.arg(m_parser.positionalArguments().constFirst());
    } else if (m_parser.isSet(help)) {
        m_request = Request::Help;
    } else if (m_parser.isSet(version)) {
        m_request = Request::Version;
    }
    if (m_request == Request::Mistake) {
        const QString program = arguments.isEmpty() ? u"raffler"_s : QFileInfo(arguments.constFirst()).fileName();
        m_mistake = u"%1: %2\nTry '%1 --help' for the options.\n"_s.arg(program, m_mistake);
    }
}

QString CommandLine::answer() const
{
    switch (m_request) {
    case Request::Help:
        return m_parser.helpText();
    case Request::Version:
        return u"raffler (Corvane's Raffler) " RAFFLER_VERSION "\n"_s;
    case Request::Mistake:
        return m_mistake;
    case Request::Run:
        break;
    }
    return {};
}
