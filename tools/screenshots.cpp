// Renders each page of the main window into PNG files for the README:
//   selvane_screenshots <output folder>
// It works in a temporary program folder with a sample account, journal and
// forecast, so it never touches the user's own files.
#include "app/application.h"
#include "app/tfmmain.h"
#include "store/datetimetext.h"
#include "store/schema.h"
#include "store/storeexecutor.h"
#include "ui_tfmmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void seed(const ProgramPaths& paths)
{
    QFile settings(paths.settingsFile);
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Settings]\r\nAgree=1\r\n");

    StoreExecutor store;
    store.open(paths.database());
    Schema::createMissingTables(store);
    store.execute(QStringLiteral("INSERT INTO user VALUES (?, 0, 72);"),
                  {DateTimeText::formatDateTime(QDateTime(QDate(1980, 5, 15), QTime(10, 30)))});
    const int levels[] = {0, 100, 50, 100, 0, 75, 25, 100, 0, 100, 50, 0};
    QDate day(2026, 11, 29);
    for (int level : levels) {
        store.execute(QStringLiteral("INSERT INTO stat VALUES (?, ?, ?);"),
                      {day.toString(Qt::ISODate), level, level == 75 ? 1 : 0});
        day = day.addDays(-23);
    }
    const QDate first(QDate::currentDate().year(), QDate::currentDate().month(), 1);
    for (int i = 0; i < first.daysInMonth(); ++i) {
        const int level = (i * 37) % 100;
        if (level >= 85 || level < 15)
            store.execute(QStringLiteral("INSERT INTO forecast VALUES (?, ?);"),
                          {first.addDays(i).toString(Qt::ISODate), level});
    }
}

} // namespace

int main(int argc, char** argv)
{
    SelvaneApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir dir;
    const ProgramPaths paths = ProgramPaths::forFolder(dir.path() + QLatin1Char('/'));
    seed(paths);

    TfmMain window(paths);
    window.show();
    const QStringList names{"page-info", "page-account", "statistics", "forecast", "page-about"};
    QTimer::singleShot(300, [&] {
        for (int page = 0; page < names.size(); ++page) {
            window.form()->PageControl1->setCurrentIndex(page);
            QCoreApplication::processEvents();
            window.grab().save(QDir(out).filePath(names.at(page) + QStringLiteral(".png")));
        }
        app.quit();
    });
    return app.exec();
}
