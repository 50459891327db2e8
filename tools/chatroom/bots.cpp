#include "bots.h"

#include "roomtranscript.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

// Windows-1252 bytes, as the chat client would show them.
constexpr std::array<const char *, 24> kNames = {
    "Mistral Dawn",
    "Old Tom",
    "Zo\xEB Hartley",
    "Kestrel",
    "Bramble Fox",
    "Lady Wren",
    "Captain Nemo",
    "Pixie Lou",
    "Jos\xE9 Ortega",
    "Sunny Jim",
    "Velvet Moth",
    "Grandpa Joe",
    "Rosie Quartz",
    "Thistle",
    "Marco Polo",
    "Ember Skye",
    "Dusty Boots",
    "Luna Park",
    "Bj\xF6rn Ironside",
    "Happy Hal",
    "Clover Bee",
    "Tinker Tess",
    "Raven Black",
    "Fr\xE9"
    "d\xE9ric",
};

constexpr std::array<const char *, 5> kThanks = {"Thanks!", "ty :)", "Thank you!", "yay, thanks", "got it, thx"};

QByteArray nameOf(int index)
{
    const int size = static_cast<int>(kNames.size());
    QByteArray name = kNames[static_cast<std::size_t>(index % size)];
    if (index >= size)
        name += ' ' + QByteArray::number(index / size + 1);
    return name;
}

} // namespace

Bots::Bots(RoomTranscript &transcript, const QByteArray &host, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
    , m_host(host)
{
    connect(&m_transcript, &RoomTranscript::lineAppended, this, &Bots::hear);
}

void Bots::setCount(int count)
{
    count = std::clamp(count, 0, kMax);
    if (count == this->count())
        return;
    m_names.clear();
    for (int i = 0; i < count; ++i)
        m_names.append(nameOf(i));
    emit countChanged(count);
}

std::optional<QByteArray> Bots::invitedSymbol(const QByteArray &line, const QByteArray &host)
{
    const QByteArray prefix = host + ": Please send me ";
    const QByteArray suffix = " to get on the list";
    if (!line.startsWith(prefix) || !line.endsWith(suffix))
        return std::nullopt;
    // The host part may be empty or hold " a " itself; the symbol follows the last " a ".
    const qsizetype length = line.size() - (prefix.size() - 1) - suffix.size();
    if (length < 0)
        return std::nullopt;
    const QByteArray middle = line.mid(prefix.size() - 1, length);
    const qsizetype at = middle.lastIndexOf(" a ");
    if (at < 0 || at + 3 >= middle.size())
        return std::nullopt;
    return middle.mid(at + 3);
}

void Bots::hear(const QByteArray &line)
{
    if (const auto symbol = invitedSymbol(line, m_host)) {
        for (const QByteArray &name : std::as_const(m_names))
            later(kMinDelayMs, kMaxDelayMs, name, "ESP from " + name + ": " + *symbol);
        return;
    }
    for (const QByteArray &name : std::as_const(m_names)) {
        if (line.startsWith("ESP to " + name + ": ")) {
            if (QRandomGenerator::global()->bounded(3) == 0) {
                const auto pick = QRandomGenerator::global()->bounded(static_cast<int>(kThanks.size()));
                later(500, 3000, name, name + ": " + kThanks[static_cast<std::size_t>(pick)]);
            }
            return;
        }
    }
}

void Bots::later(int minMs, int maxMs, const QByteArray &name, const QByteArray &line)
{
    const int delay = QRandomGenerator::global()->bounded(minMs, maxMs + 1);
    QTimer::singleShot(delay, this, [this, name, line] {
        // A bot sent away meanwhile says nothing more.
        if (m_names.contains(name))
            m_transcript.append(line);
    });
}
