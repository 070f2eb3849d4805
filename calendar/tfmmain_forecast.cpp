// The forecast page of the main window: the calendar's luck styles from the
// stored forecast, its birth-date limit, the navigation menu and the reload.
#include "app/tfmmain.h"

#include "app/apperror.h"
#include "app/messages.h"
#include "calendar/forecastview.h"
#include "calendar/mxdatetime.h"
#include "ui_tfmmain.h"

#include <QMenu>

void TfmMain::setupForecastView()
{
    TmxCalendar* cal = ui->calForecast;
    ForecastView::configureCalendar(*cal);
    cal->setOnGetItemLuckStyle([this](TmxCustomCalendar*, const QDate& date, TmxStyleType& style) {
        try {
            if (const std::optional<int> level = m_forecastMap.lookup(ForecastView::dayKey(date)))
                style = ForecastView::luckStyle(*level);
        } catch (const std::exception& e) {
            Messages::error(QString::fromUtf8(e.what()));
        }
    });
    connect(cal, &TmxCustomCalendar::clicked, this, &TfmMain::calForecastClick);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char* name, const QString& caption, void (TfmMain::*slot)()) {
        QAction* action = PopupMenu1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    item("MRequest", QStringLiteral("Запросить прогноз на месяц"), &TfmMain::btForecastClick);
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N2"));
    item("MToday", QStringLiteral("Сегодня"), &TfmMain::MTodayClick);
    item("MNextMonth", QStringLiteral("Следующий месяц"), &TfmMain::MNextMonthClick);
    item("MPrevMonth", QStringLiteral("Предыдущий месяц"), &TfmMain::MPrevMonthClick);
    item("MNextYear", QStringLiteral("Следующий год"), &TfmMain::MNextYearClick);
    item("PrevYear", QStringLiteral("Предыдущий год"), &TfmMain::PrevYearClick);
    cal->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cal, &QWidget::customContextMenuRequested, this,
            [this, cal](const QPoint& pos) { PopupMenu1->popup(cal->mapToGlobal(pos)); });

    connect(ui->btForecast, &QPushButton::clicked, this, &TfmMain::btForecastClick);

    // The legend shows exactly the calendar's luck colours.
    const QString square = QStringLiteral("background: %1; border: 1px solid black;");
    ui->Shape1->setStyleSheet(square.arg(cal->luckyDayColor().name()));
    ui->Shape2->setStyleSheet(square.arg(cal->badLuckColor().name()));
}

void TfmMain::calForecastClick()
{
    // The calendar may not rest on a day before the birth date.
    const QDateTime birth = ui->edBD->dateTime();
    if (ForecastView::restsBeforeBirth(birth, ui->calForecast->GetDate()))
        ui->calForecast->SetDate(birth.date());
}

void TfmMain::MTodayClick()
{
    ui->calForecast->SetDate(mx::currentDate());
}

void TfmMain::MNextMonthClick()
{
    ForecastView::showNextMonth(*ui->calForecast);
}

void TfmMain::MPrevMonthClick()
{
    ForecastView::showPreviousMonth(*ui->calForecast);
}

void TfmMain::MNextYearClick()
{
    ForecastView::showNextYear(*ui->calForecast);
}

void TfmMain::PrevYearClick()
{
    ForecastView::showPreviousYear(*ui->calForecast);
}

void TfmMain::btForecastClick()
{
    // The forecast request arrives with the server exchange.
}

void TfmMain::ReloadForecast()
{
    try {
        Query3.close();
        Query3.setSql(QStringLiteral("SELECT * FROM forecast;"));
        Query3.open();
        m_forecastMap.clear();
        for (Query3.first(); !Query3.eof(); Query3.next())
            m_forecastMap.append(Query3.fieldText(QStringLiteral("date")),
                                 Query3.fieldInt(QStringLiteral("level")));
        // The repaint refreshes the calendar, which asks for every day's luck again.
        ui->calForecast->repaint();
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
}
