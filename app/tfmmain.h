#pragma once

#include "app/programpaths.h"
#include "app/settingsfile.h"
#include "store/dataset.h"
#include "store/forecastmap.h"
#include "store/storeexecutor.h"

#include <QDate>
#include <QWidget>
#include <memory>

namespace Ui {
class TfmMain;
}
class JournalModel;
class QMenu;
struct ProxySettings;

// The one main window: five pages, the journal, the account and proxy settings,
// the forecast calendar. Slots carry the handler names the design uses; each is
// a few lines that read controls, call the subsystem and show the result.
class TfmMain : public QWidget
{
    Q_OBJECT
public:
    explicit TfmMain(const ProgramPaths& paths = ProgramPaths::forExecutable(),
                     QWidget* parent = nullptr);
    ~TfmMain() override;

    Ui::TfmMain* form() const { return ui.get(); }
    const ForecastMap& forecastMap() const { return m_forecastMap; }
    StoreExecutor& store() { return m_store; }
    int unusualDayCount() const { return m_unusualDayCount; }

    // Journal writes used by the server exchange.
    void StoreStatDay(const QString& date, const QString& level);
    void MarkStatDay(const QString& date);
    void RefreshJournal();
    void ReloadForecast();
    // The proxy settings in force, read before each request.
    ProxySettings proxySettings() const;

public slots:
    // Start-up and lifecycle (app/tfmmain.cpp)
    void PageControl1Change(int index);
    void chkAgreeClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // Proxy settings (app/tfmmain_proxy.cpp)
    void chkProxyClick();
    void edProxyPropertiesChange();
    // Journal (journal/tfmmain_journal.cpp)
    void btAddDateClick();
    void Grid1DBTableView1Column3PropertiesEditValueChanged(int row);
    void btDelCheckedClick();
    // Forecast view (calendar/tfmmain_forecast.cpp)
    void calForecastClick();
    void MTodayClick();
    void MNextMonthClick();
    void MPrevMonthClick();
    void MNextYearClick();
    void PrevYearClick();
    void btForecastClick();

private:
    void setupStaticContent();
    void setAccountPresent(bool present);
    void FormCreate();
    void FormDestroy();
    void loadSettings();
    void createMissingTables();
    void loadAccount();
    void loadStoredForecast();
    void setupJournalGrid();
    void setupForecastView();
    void syncJournalCursorToGrid();

    std::unique_ptr<Ui::TfmMain> ui;
    ProgramPaths m_paths;
    SettingsFile m_settings;
    StoreExecutor m_store;
    SqliteConnection DB1;
    Dataset Query1;
    Dataset Query2;
    Dataset Query3;
    ForecastMap m_forecastMap;
    JournalModel* m_journalModel = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QString m_formCaption;
    bool m_updateChecked = false;
    int m_unusualDayCount = 0;
};
