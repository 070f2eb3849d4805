// The journal of the main window: the grid over the journal dataset, its
// refresh, and the writes that add, mark and delete days.
#include "app/apperror.h"
#include "app/dateedit.h"
#include "app/messages.h"
#include "app/tfmmain.h"
#include "journal/badday.h"
#include "journal/journalmodel.h"
#include "journal/levelbardelegate.h"
#include "ui_tfmmain.h"

#include <QHeaderView>
#include <QSlider>
#include <functional>

namespace {

const QString deleteDay = QStringLiteral("DELETE FROM stat WHERE date=?;");
const QString insertDay = QStringLiteral("INSERT INTO stat (date, level, chkbox) VALUES (?,?,0);");

QString dayText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

// One write: begin, the statements, commit. On failure the transaction is rolled
// back, so the next write can begin again, and the message is shown.
bool writeInTransaction(StoreExecutor& store, const std::function<void()>& statements)
{
    try {
        store.begin();
        statements();
        store.commit();
        return true;
    } catch (const AppError& e) {
        try {
            store.rollback();
        } catch (const AppError&) {
            // Nothing was open (the begin itself failed); the first message is the one to show.
        }
        Messages::error(e.message());
        return false;
    }
}

} // namespace

void TfmMain::setupJournalGrid()
{
    m_journalModel = new JournalModel(Query1, this);
    QTableView* grid = ui->Grid1;
    grid->setModel(m_journalModel);
    grid->setItemDelegateForColumn(JournalModel::LevelColumn, new LevelBarDelegate(grid));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumSectionSize(24);
    header->setSectionsClickable(false);
    header->setSectionResizeMode(JournalModel::DateColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(JournalModel::LevelColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(JournalModel::MarkColumn, QHeaderView::Fixed);
    header->resizeSection(JournalModel::MarkColumn, 40);

    // The selection is shown only while the grid has the focus.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
    grid->setPalette(palette);

    // The grid's current row and the dataset's current row are one and the same.
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    Query1.setCurrentRow(current.row());
            });
    connect(&Query1, &Dataset::currentRowChanged, this, &TfmMain::syncJournalCursorToGrid);
    connect(&Query1, &Dataset::reset, this, &TfmMain::syncJournalCursorToGrid);
    connect(m_journalModel, &JournalModel::markClicked, this,
            &TfmMain::Grid1DBTableView1Column3PropertiesEditValueChanged);
}

void TfmMain::syncJournalCursorToGrid()
{
    if (m_journalModel->rowCount() == 0)
        return;
    const int row = Query1.currentRow();
    QItemSelectionModel* selection = ui->Grid1->selectionModel();
    if (selection->currentIndex().row() == row)
        return;
    selection->setCurrentIndex(m_journalModel->index(row, JournalModel::DateColumn),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TfmMain::RefreshJournal()
{
    try {
        QString currentDate;
        if (Query1.isOpen() && !Query1.isEmpty() && !Query1.eof())
            currentDate = Query1.fieldText(QStringLiteral("date"));

        Query1.close();
        Query1.setSql(QStringLiteral("SELECT count(*) as cnt FROM stat WHERE (abs(50-level)>25);"));
        Query1.open();
        m_unusualDayCount = Query1.fieldInt(QStringLiteral("cnt"));
        ui->btCheckCompatimle->setEnabled(m_unusualDayCount >= 3);
        ui->btUnCompat->setEnabled(m_unusualDayCount >= 4);

        Query1.close();
        Query1.setSql(QStringLiteral("SELECT * FROM stat ORDER BY date DESC;"));
        Query1.open();
        if (!currentDate.isEmpty())
            Query1.locate(QStringLiteral("date"), currentDate);
        syncJournalCursorToGrid();
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
}

void TfmMain::btAddDateClick()
{
    bool accepted = false;
    QDate day;
    int level = 0;
    {
        TfmBadDay dialog([this] { return ui->edBD->dateTime(); }, this);
        dialog.edBadDay()->setDate(
            m_settings.readDate(QStringLiteral("LastDate"), QDate::currentDate()));
        accepted = dialog.exec() == QDialog::Accepted;
        day = dialog.edBadDay()->date();
        level = dialog.tbLevel()->value() * 25;
    }
    if (accepted) {
        const bool stored = writeInTransaction(m_store, [&] {
            m_store.execute(deleteDay, {dayText(day)});
            m_store.execute(insertDay, {dayText(day), level});
        });
        if (stored) {
            // The day is stored already; a settings file that cannot be written
            // only costs the preset of the next entry.
            try {
                m_settings.writeDate(QStringLiteral("LastDate"), day);
            } catch (const AppError& e) {
                Messages::error(e.message());
            }
        }
    }
    RefreshJournal();
}

void TfmMain::Grid1DBTableView1Column3PropertiesEditValueChanged(int row)
{
    // The click made the row current; its mark is the stored one, so toggle from that.
    try {
        Query1.setCurrentRow(row);
        const int mark = Query1.fieldInt(QStringLiteral("chkbox")) == 0 ? 1 : 0;
        const QString date = Query1.fieldText(QStringLiteral("date"));
        writeInTransaction(m_store, [&] {
            m_store.execute(QStringLiteral("UPDATE stat SET chkbox=? WHERE date=?;"), {mark, date});
        });
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
    RefreshJournal();
}

void TfmMain::btDelCheckedClick()
{
    writeInTransaction(m_store, [&] {
        m_store.execute(QStringLiteral("DELETE FROM stat WHERE chkbox=1;"));
        m_store.execute(QStringLiteral("UPDATE user SET compatible = 0;"));
    });
    RefreshJournal();
}

void TfmMain::StoreStatDay(const QString& date, const QString& level)
{
    writeInTransaction(m_store, [&] {
        m_store.execute(deleteDay, {date});
        m_store.execute(insertDay, {date, level});
    });
}

void TfmMain::MarkStatDay(const QString& date)
{
    writeInTransaction(m_store, [&] {
        m_store.execute(QStringLiteral("UPDATE stat SET chkbox=1 WHERE date=?;"), {date});
    });
    RefreshJournal();
}
