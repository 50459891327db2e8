#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class ClientLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void tellsTheBitnessOfALibrary_data();
    void tellsTheBitnessOfALibrary();
    void reachesTheEntryPointsHoweverTheyAreNamed_data();
    void reachesTheEntryPointsHoweverTheyAreNamed();
    void saysWhatIsWrongWithALibrary_data();
    void saysWhatIsWrongWithALibrary();
    void takesTheFirstFolderThatHoldsTheLibrary();

    void startsFromTheRememberedFolderOrTheOneForThisRun();
    void letsTheHostChooseTheFolderUntilOneWorks();
    void aHostWhoGivesUpEndsTheStart_data();
    void aHostWhoGivesUpEndsTheStart();

private:
    // A folder of its own for every test function.
    std::unique_ptr<QTemporaryDir> m_scratch;
    QString scratch(const QString &name) const { return m_scratch->filePath(name); }
};
