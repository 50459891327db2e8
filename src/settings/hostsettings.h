#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

// The settings table: twenty text items that hold every text and count the
// games use, the three yes/no check boxes beside items 14 to 16, and the
// place counter of the prize announcements (Text6), which every change of an
// item resets. Settings.txt keeps the items between runs.
class FileStore;

class HostSettings : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCount = 20;

    enum Item {
        Symbol = 0,             // "Symbol For reg"
        Confirmation = 1,       // "ESP Confermation"
        SayNextEsp = 2,         // "Say Next (ESP)"
        SayNextSay = 3,         // "Say Next (Say)"
        EspWinner = 4,          // "ESP Winner"
        WinningText = 5,        // "Say winning Text"
        Draws = 6,              // "# of Draws"
        Round = 7,              // current round
        TotalRounds = 8,        // rounds announced, follows item 9
        Rounds = 9,             // rounds the host sets
        FirstLineOnList = 10,   // "First Line on List"
        CallNextEsp = 11,       // "Call Next (ESP)"
        CallNextSay = 12,       // "Call Next (Say)"
        Delay = 13,             // seconds between chat lines
        SayPrizesYesNo = 14,    // carries Check3 through the file
        ConfirmationYesNo = 15, // carries Check1
        SayWinnersYesNo = 16,   // carries Check2
        WelcomeLine = 17,       // "Welcome Line"
        PrizeCount = 18,        // "# of Prizes"
        FirstLineOfPrizes = 19, // "First Line of Prizes"
    };

    // The yes/no check boxes.
    enum class Check {
        Confirmation,   // Check1 "Confermation?", item 15
        SayWinnersList, // Check2 "Say Winners List?", item 16
        SayPrizes,      // Check3 "Say Prizes?", item 14
    };

    explicit HostSettings(QObject *parent = nullptr);

    static QString designDefault(int index);
    static QString restoredValue(int index);
    static int itemOf(Check check);

    QString item(int index) const { return m_items.at(index); }
    QStringList items() const { return {m_items.begin(), m_items.end()}; }
    // Writing a different text runs the change handling: the place counter
    // goes back to "1" and item 8 takes item 9's text. Writing the same text
    // is no change.
    void setItem(int index, const QString &text);

    bool isChecked(Check check) const { return m_checked.at(static_cast<std::size_t>(check)); }
    // A change of a check box's state runs its yes/no toggle on its item.
    // The state it holds already is no change: the window sets its boxes
    // from here and hears them back.
    void setChecked(Check check, bool checked);

    QString placeCounter() const { return m_placeCounter; }
    void setPlaceCounter(const QString &text) { m_placeCounter = text; }

    // "Clear": every item emptied; the check boxes keep their state.
    void clear();
    // "Restore Defults": the restored values into every item but 18.
    void restoreDefaults();

    // Start-up: the items from Settings.txt, each box ticked whose item says
    // "Yes"; what the file does not supply keeps its design default.
    void load(const FileStore &store);
    // "Ok": the twenty items into Settings.txt.
    bool save(FileStore &store);
    // The items whose text differs from what Settings.txt held when it was
    // last read or saved (the design defaults before either).
    QList<int> changedSinceFile() const;

signals:
    void itemChanged(int index, const QString &text);
    void checkedChanged(HostSettings::Check check, bool checked);

private:
    std::array<QString, kCount> m_items;
    std::array<bool, 3> m_checked{};
    QString m_placeCounter = QStringLiteral("1");
    std::array<QString, kCount> m_inFile;
};
