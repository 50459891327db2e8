#include "window/historywindow.h"

#include "core/atomicfile.h"
#include "games/gamesession.h"
#include "interaction/prompts.h"
#include "journal/journalrestore.h"
#include "journal/journalverifier.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QPushButton *button(const QString &caption, const char *name, const QString &toolTip, QWidget *parent)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1StringView(name));
    made->setToolTip(toolTip);
    return made;
}

} // namespace

HistoryWindow::HistoryWindow(GameSession &session, Prompts &prompts, const QString &journalFolder, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_prompts(prompts)
    , m_folder(journalFolder)
    , m_shown(new QSortFilterProxyModel(this))
    , m_source(new QLabel(this))
    , m_filter(new QLineEdit(this))
    , m_table(new QTableView(this))
{
    setObjectName(u"historyWindow"_s);
    setWindowTitle(u"History"_s);
    m_source->setObjectName(u"journalShown"_s);
    m_source->setTextFormat(Qt::PlainText);

    m_open = button(u"&Open..."_s, "openJournal", u"Show the journal of an earlier evening"_s, this);
    m_thisEvening = button(u"&This Evening"_s, "showThisEvening", u"Show this evening's journal again"_s, this);
    m_restore = button(u"&Restore lists to here"_s, "restoreLists",
                       u"Put the player lists back as they were right after the chosen entry; the room hears nothing"_s,
                       this);
    auto *exportButton = button(u"&Export..."_s, "exportEntries",
                                u"Save the entries shown as a CSV file for a spreadsheet"_s, this);
    m_verify = button(
        u"&Verify draws"_s, "verifyDraws",
        u"Check that each entry follows the one before it and draw every recorded draw again from its seed; sealed "
        u"draws against their key once it is revealed"_s,
        this);
    auto *close = button(u"&Close"_s, "closeHistory", u"Close the history"_s, this);

    m_filter->setObjectName(u"filter"_s);
    m_filter->setPlaceholderText(u"Filter: a name, an operation, a word"_s);
    m_filter->setAccessibleName(u"Filter"_s);
    m_filter->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(u"&Filter:"_s, this);
    filterLabel->setBuddy(m_filter);

    m_shown->setSourceModel(&m_history);
    m_shown->setFilterKeyColumn(-1);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table->setObjectName(u"entries"_s);
    m_table->setAccessibleName(u"Entries"_s);
    m_table->setModel(m_shown);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    // Rows of one height and fixed columns keep a long evening's table quick.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int em = m_table->fontMetrics().horizontalAdvance(u'M');
    m_table->setColumnWidth(JournalHistory::Time, 6 * em);
    m_table->setColumnWidth(JournalHistory::Operation, 11 * em);
    m_table->setColumnWidth(JournalHistory::Who, 11 * em);

    auto *top = new QHBoxLayout;
    top->addWidget(m_source, 1);
    top->addWidget(m_thisEvening);
    top->addWidget(m_open);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_restore);
    buttons->addWidget(exportButton);
    buttons->addWidget(m_verify);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filterRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(56 * em, 30 * em);

    connect(m_filter, &QLineEdit::textChanged, m_shown, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryWindow::updateButtons);
    connect(m_open, &QPushButton::clicked, this, &HistoryWindow::openJournal);
    connect(m_thisEvening, &QPushButton::clicked, this, &HistoryWindow::showThisEvening);
    connect(m_restore, &QPushButton::clicked, this, &HistoryWindow::restoreLists);
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportEntries);
    connect(m_verify, &QPushButton::clicked, this, &HistoryWindow::verifyDraws);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_session.journal, &JournalWriter::appended, this, [this](const JournalEntry &entry) {
        if (!isThisEvening())
            return;
        const bool atEnd = !m_table->currentIndex().isValid() || selectedSeq() == entry.seq() - 1;
        m_history.append(entry);
        if (atEnd)
            m_table->scrollToBottom();
    });
    showThisEvening();
}

HistoryWindow::~HistoryWindow()
{
    // The thread holds nothing of the window's, but must end before its QThread goes.
    if (m_worker)
        m_worker->wait();
}

void HistoryWindow::showThisEvening()
{
    m_file.clear();
    m_history.setEntries(m_session.journal.entries());
    m_source->setText(u"This evening: "_s + QDir::toNativeSeparators(m_session.journal.path()));
    if (!m_session.journal.entries().isEmpty())
        selectEntry(m_session.journal.entries().constLast().seq());
    updateButtons();
}

void HistoryWindow::showFile(const QString &path)
{
    auto contents = std::make_shared<JournalContents>();
    inBackground([path, contents] { *contents = JournalReader::read(path); },
                 [this, path, contents] { showContents(path, *contents); });
}

void HistoryWindow::showContents(const QString &path, const JournalContents &contents)
{
    if (contents.headerLine.isEmpty()) {
        m_prompts.showError(windowTitle(),
                            tr("%1 is not a journal: %2").arg(QDir::toNativeSeparators(path), contents.damage));
        return;
    }
    m_file = path;
    m_history.setEntries(contents.entries);
    QString shown = QFileInfo(path).fileName();
    if (!contents.damage.isEmpty())
        shown += tr(" (read up to line %1: %2)").arg(contents.damagedLine).arg(contents.damage);
    m_source->setText(shown);
    updateButtons();
}

void HistoryWindow::selectEntry(qint64 seq)
{
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        const QModelIndex index = m_shown->index(row, 0);
        if (index.data(JournalHistory::kSeqRole).toLongLong() == seq) {
            m_table->selectRow(row);
            m_table->scrollTo(index);
            return;
        }
    }
}

qint64 HistoryWindow::selectedSeq() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.constFirst().data(JournalHistory::kSeqRole).toLongLong();
}

void HistoryWindow::updateButtons()
{
    const bool idle = !isBusy();
    m_open->setEnabled(idle);
    m_thisEvening->setEnabled(idle && !isThisEvening());
    m_verify->setEnabled(idle);
    m_restore->setEnabled(idle && selectedSeq() > 0);
}

void HistoryWindow::inBackground(std::function<void()> work, std::function<void()> done)
{
    if (isBusy())
        return; // one at a time: the buttons that start one are off meanwhile
    m_worker = QThread::create(std::move(work));
    m_worker->setParent(this);
    // Queued: finished comes from the worker thread.
    connect(m_worker, &QThread::finished, this, [this, done = std::move(done)] {
        m_worker->deleteLater();
        m_worker = nullptr;
        unsetCursor();
        updateButtons();
        done();
    });
    setCursor(Qt::BusyCursor);
    updateButtons();
    m_worker->start();
}

Prompts::FileRequest HistoryWindow::fileRequest(const QString &title, const QString &filterName,
                                                const QString &suffix) const
{
    Prompts::FileRequest request;
    request.title = title;
    request.directory = m_folder;
    request.filterName = filterName;
    request.patterns = {u"*."_s + suffix};
    return request;
}

void HistoryWindow::openJournal()
{
    Prompts::FileRequest request = fileRequest(tr("Open A Journal"), tr("Journals"), u"jsonl"_s);
    request.detailedView = true;
    const QString path = m_prompts.askOpenFileName(request);
    if (!path.isEmpty())
        showFile(path);
}

void HistoryWindow::restoreLists()
{
    const qint64 seq = selectedSeq();
    const QList<JournalEntry> &entries = m_history.entries();
    QString problem;
    const std::optional<ListState> after = JournalRestore::stateAfter(entries, seq, &problem);
    if (!after) {
        m_prompts.showError(windowTitle(), tr("The lists cannot be put back to entry %1: %2").arg(seq).arg(problem));
        return;
    }
    const RestoreSummary summary = JournalRestore::summary(ListState::of(m_session.lists), *after);
    const QModelIndex row = m_table->selectionModel()->selectedRows().constFirst();
    const QString entry = tr("entry %1 (%2, %3)")
                              .arg(seq)
                              .arg(row.siblingAtColumn(JournalHistory::Time).data().toString(),
                                   row.siblingAtColumn(JournalHistory::Operation).data().toString());
    if (ListState::of(m_session.lists) == *after) {
        m_prompts.showMessage(windowTitle(),
                              tr("The player lists are already as they were right after %1.").arg(entry));
        return;
    }
    if (!m_prompts.askYesNo(
            windowTitle(),
            tr("Put the player lists back as they were right after %1?\n\n%2\n\nThe room hears nothing. "
               "The restore goes on record, so it can be undone the same way.")
                .arg(entry, summary.text())))
        return;
    m_session.restoreLists(entries, seq, isThisEvening() ? QString() : QFileInfo(m_file).fileName());
}

void HistoryWindow::exportEntries()
{
    Prompts::FileRequest request = fileRequest(tr("Export History"), tr("CSV files"), u"csv"_s);
    request.defaultSuffix = u"csv"_s;
    const QString path = m_prompts.askSaveFileName(request);
    if (path.isEmpty())
        return;
    if (const QString problem = writeAtomically(path, JournalHistory::toCsv(*m_shown)); !problem.isEmpty())
        m_prompts.showError(
            request.title,
            tr("The entries could not be saved in %1: %2.").arg(QDir::toNativeSeparators(path), problem));
}

void HistoryWindow::verifyDraws()
{
    const QString path = isThisEvening() ? m_session.journal.path() : m_file;
    if (path.isEmpty()) {
        m_prompts.showMessage(windowTitle(), tr("Nothing has been recorded yet this evening."));
        return;
    }
    auto verdict = std::make_shared<JournalVerdict>();
    inBackground([path, verdict] { *verdict = JournalVerifier::verify(path); },
                 [this, verdict] { m_prompts.showMessage(windowTitle(), verdict->text()); });
}
