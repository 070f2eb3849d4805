#include "app/apperror.h"
#include "app/application.h"
#include "messagerecorder.h"

#include <QPushButton>
#include <QtTest>

// An exception that no handler catches must reach the general error display and
// end only the handler that raised it: the program keeps running.
class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void uncaughtExceptionsAreShownAndTheProgramGoesOn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("program error") << 0 << "Unable to write to /nowhere/selvane.ini";
        QTest::newRow("standard exception") << 1 << "bad thing";
    }

    void uncaughtExceptionsAreShownAndTheProgramGoesOn()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        MessageRecorder messages;
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&] {
            ++clicks;
            if (kind == 0)
                throw AppError(text);
            throw std::runtime_error(text.toStdString());
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(messages.texts(Messages::Kind::General), (QStringList{text, text}));
    }
};

int main(int argc, char** argv)
{
    SelvaneApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
