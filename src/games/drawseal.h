#pragma once

#include <QByteArray>
#include <QSettings>

// Sealed draws, the host's option: the secret key of the game, fixed at the
// raffle's Start, and the number of draws made under it. Both are kept in a
// file of their own (not Settings.txt) and on disk before a draw is said, so
// a crash never forces a new commitment mid-game nor reuses a draw number.
// The key is never shown until the host reveals it; then the next Start
// seals anew.
class DrawSeal
{
public:
    static constexpr QLatin1StringView kFileName{"Sealed draws.ini"};

    // path: the file that keeps the option, the key and the draw count.
    explicit DrawSeal(const QString &path);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // A key fixed and not yet revealed.
    bool holdsKey() const { return !m_key.isEmpty(); }
    // Picks are sealed while the option is on and a key is held.
    bool isSealing() const { return m_on && holdsKey(); }

    // At Start: fixes a new key unless one is held. Returns the commitment.
    QByteArray begin();
    // Lower-case hex SHA-256 of the key; empty when none is held.
    QByteArray commitment() const;
    // The next draw's number under the key, saved before it returns.
    qint64 nextDraw();
    QByteArray seedFor(QByteArrayView playersHash, qint64 draw) const;
    // The key, forgotten here once revealed.
    QByteArray reveal();

private:
    void save();

    QSettings m_file;
    bool m_on = false;
    QByteArray m_key;
    qint64 m_draws = 0;
};
