#include "app/commandline.h"

#include "journal/journalverifier.h"
#include "version.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Qt's own options for the window system, which QApplication takes out of
// the arguments itself later: "-platform offscreen", "-style fusion".
constexpr const char16_t *kQtOptionsWithValue[] = {
    u"platform",        u"platformpluginpath", u"platformtheme", u"plugin",
    u"qwindowgeometry", u"qwindowicon",        u"qwindowtitle",  u"session",
    u"display",         u"geometry",           u"style",         u"stylesheet"};
constexpr const char16_t *kQtFlags[] = {u"reverse", u"widgetcount", u"nograb", u"dograb"};

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
    const QCommandLineOption verify(u"verify"_s,
                                    u"Checks an evening's journal: its chain of entries and every draw in it, drawn "
                                    "again. Journals of the evening's other runs may follow, for the keys they "
                                    "reveal."_s,
                                    u"FILE"_s);
    m_parser.addOption(verify);
    m_parser.addPositionalArgument(u"other runs"_s, u"With --verify: the journals of the evening's other runs."_s,
                                   u"[OTHER...]"_s);
#ifdef RAFFLER_LOAD_CLIENT_LIBRARY
    const QCommandLineOption chatClient(
        u"chat-client"_s,
        u"Loads the chat client's library from FOLDER this time, without remembering it (the stand-in room's "
        "shortcut uses it)."_s,
        u"FOLDER"_s);
    m_parser.addOption(chatClient);
#endif
    for (const char16_t *name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromUtf16(name), {}, u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char16_t *name : kQtFlags) {
        QCommandLineOption option(QString::fromUtf16(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }

    if (!m_parser.parse(arguments)) {
        m_request = Request::Mistake;
        m_mistake = m_parser.errorText();
    } else if (!m_parser.positionalArguments().isEmpty() && !m_parser.isSet(verify)) {
        m_request = Request::Mistake;
        m_mistake = u"Unexpected argument '%1'."_s.arg(m_parser.positionalArguments().constFirst());
    } else if (m_parser.isSet(help)) {
        m_request = Request::Help;
    } else if (m_parser.isSet(version)) {
        m_request = Request::Version;
    } else if (m_parser.isSet(verify)) {
        m_request = Request::Verify;
        m_journal = m_parser.value(verify);
        m_otherRuns = m_parser.positionalArguments();
    }
#ifdef RAFFLER_LOAD_CLIENT_LIBRARY
    m_chatClientFolder = m_parser.value(chatClient);
#endif
    if (m_request == Request::Mistake) {
        const QString program = arguments.isEmpty() ? u"raffler"_s : QFileInfo(arguments.constFirst()).fileName();
        m_mistake = u"%1: %2\nTry '%1 --help' for the options.\n"_s.arg(program, m_mistake);
    }
}

CommandLine::Reply CommandLine::reply() const
{
    switch (m_request) {
    case Request::Help:
        return {m_parser.helpText()};
    case Request::Version:
        return {u"raffler (Corvane's Raffler) " RAFFLER_VERSION "\n"_s};
    case Request::Verify: {
        const JournalVerdict verdict = JournalVerifier::verify(m_journal, m_otherRuns);
        return {verdict.text() + u'\n', !verdict.ok, verdict.ok ? 0 : 1};
    }
    case Request::Mistake:
        return {m_mistake, true, 2};
    case Request::Run:
        break;
    }
    return {};
}
