#include "app/dateedit.h"
#include "messagerecorder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestDateEdit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void textForm_data();
    void textForm();
    void typedText_data();
    void typedText();
    void hookReplacesRefusedValue();
    void nowButtonKeepsTimeOnlyWhenShown_data();
    void nowButtonKeepsTimeOnlyWhenShown();
};

void TestDateEdit::textForm_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("showTime");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QString>("text");

    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime value(QDate(2012, 4, 28), QTime(7, 5, 9));
    QTest::newRow("ru date") << ru << false << value << "28.04.2012";
    QTest::newRow("ru date and time") << ru << true << value << "28.04.2012 07:05:09";
    // A two-digit year in the regional format is widened, so 1980 stays 1980.
    QTest::newRow("us date, year widened")
        << us << false << QDateTime(QDate(1980, 1, 2), QTime()) << "1/2/1980";
    QTest::newRow("null date") << ru << true << QDateTime() << "";
}

void TestDateEdit::textForm()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, showTime);
    QFETCH(QDateTime, value);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    DateEdit edit;
    edit.setShowTime(showTime);
    edit.setDateTime(value);
    QCOMPARE(edit.lineEdit()->text(), text);
    QCOMPARE(edit.dateTime(), showTime ? value : value.date().startOfDay());
    QCOMPARE(edit.isNull(), !value.isValid());
}

void TestDateEdit::typedText_data()
{
    QTest::addColumn<bool>("showTime");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDateTime>("value");

    const QDateTime previous(QDate(2000, 1, 1), QTime(12, 0));
    QTest::newRow("date") << false << "28.04.2012" << QDateTime(QDate(2012, 4, 28), QTime());
    QTest::newRow("date and time")
        << true << "28.04.2012 23:59:58" << QDateTime(QDate(2012, 4, 28), QTime(23, 59, 58));
    QTest::newRow("date only in a time edit")
        << true << "28.04.2012" << QDateTime(QDate(2012, 4, 28), QTime());
    QTest::newRow("empty is the null date") << true << "" << QDateTime();
    QTest::newRow("not a date keeps the value") << true << "завтра" << previous;
    QTest::newRow("impossible day keeps the value") << true << "30.02.2012" << previous;
}

void TestDateEdit::typedText()
{
    QFETCH(bool, showTime);
    QFETCH(QString, typed);
    QFETCH(QDateTime, value);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    MessageRecorder messages;

    QWidget window;
    auto* edit = new DateEdit(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->setShowTime(showTime);
    edit->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    QSignalSpy exits(edit, &DateEdit::exited);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    edit->lineEdit()->selectAll();
    QTest::keyClick(edit->lineEdit(), Qt::Key_Backspace);
    for (const QChar ch : typed)
        QTest::sendKeyEvent(QTest::KeyAction::Click, edit->lineEdit(), Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
    QTest::keyClick(edit->lineEdit(), Qt::Key_Tab);

    QCOMPARE(edit->dateTime(), value);
    QCOMPARE(edit->lineEdit()->text(), edit->textFor(value));
    QVERIFY(next->hasFocus());
    QCOMPARE(exits.count(), 1);
    QVERIFY(messages.messages().isEmpty());
}

void TestDateEdit::hookReplacesRefusedValue()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    MessageRecorder messages;
    QWidget window;
    auto* edit = new DateEdit(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->setValidationHook([](QDateTime& value, QString& errorText, bool& error) {
        if (value.date().year() < 2000) {
            value = QDateTime(QDate(2000, 1, 1), QTime());
            errorText = QStringLiteral("слишком рано");
            error = true;
        }
    });
    QSignalSpy exits(edit, &DateEdit::exited);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QTest::keyClicks(edit->lineEdit(), QStringLiteral("01.01.1999"));
    QTest::keyClick(edit->lineEdit(), Qt::Key_Tab);
    QCOMPARE(messages.texts(Messages::Kind::Error), QStringList{QStringLiteral("слишком рано")});
    QCOMPARE(edit->date(), QDate(2000, 1, 1));
    QVERIFY(edit->lineEdit()->hasFocus());
    QCOMPARE(edit->lineEdit()->selectedText(), QStringLiteral("01.01.2000"));
    QCOMPARE(exits.count(), 0);

    // An unedited value is not validated again: leaving now passes.
    QTest::keyClick(edit->lineEdit(), Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(messages.messages().size(), 1);
}

void TestDateEdit::nowButtonKeepsTimeOnlyWhenShown_data()
{
    QTest::addColumn<bool>("showTime");
    QTest::newRow("date only") << false;
    QTest::newRow("date and time") << true;
}

void TestDateEdit::nowButtonKeepsTimeOnlyWhenShown()
{
    QFETCH(bool, showTime);
    DateEdit edit;
    edit.setShowTime(showTime);
    edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    const QDateTime before = QDateTime::currentDateTime();
    QTest::mouseClick(edit.dropDownButton(), Qt::LeftButton);
    QTest::mouseClick(edit.popup()->findChild<QPushButton*>(QStringLiteral("nowButton")),
                      Qt::LeftButton);
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime value = edit.dateTime();
    if (showTime) {
        QVERIFY(value >= before.addMSecs(-before.time().msec()) && value <= after);
    } else {
        QVERIFY(value.date() >= before.date() && value.date() <= after.date());
        QCOMPARE(value.time(), QTime(0, 0));
    }
}

QTEST_MAIN(TestDateEdit)
#include "tst_dateedit.moc"
