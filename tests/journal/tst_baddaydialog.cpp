#include "app/dateedit.h"
#include "journal/badday.h"
#include "messagerecorder.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>

using Kind = Messages::Kind;

namespace {
const QString future = QStringLiteral("Дата не может быть больше текущего дня!");
const QString beforeBirth = QStringLiteral("Дата не может быть меньше даты рождения!");

QString text(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}
} // namespace

class TestBadDayDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void typedDate_data();
    void typedDate();
    void textThatIsNoDateIsRefused();
    void clearButtonIsRefused();
    void todayButtonPasses();
    void uneditedBadPresetCaughtOnLeaving();
    void birthDateReadAtEachCheck();
    void trackClickJumpsToStep_data();
    void trackClickJumpsToStep();
    void escapeKeepsDialogOpen();
    void closeBoxCancels();

private:
    void open(const QDate& preset);
    void retype(const QString& newText);
    MessageRecorder::Message onlyMessage() const;

    QDateTime m_birth;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfmBadDay> m_dialog;
};

void TestBadDayDialog::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestBadDayDialog::init()
{
    m_birth = QDateTime(QDate(1990, 5, 10), QTime(13, 45));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestBadDayDialog::cleanup()
{
    m_dialog.reset();
    m_messages.reset();
}

void TestBadDayDialog::open(const QDate& preset)
{
    m_dialog = std::make_unique<TfmBadDay>([this] { return m_birth; });
    m_dialog->edBadDay()->setDate(preset);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QVERIFY(m_dialog->edBadDay()->lineEdit()->hasFocus());
}

void TestBadDayDialog::retype(const QString& newText)
{
    QLineEdit* edit = m_dialog->edBadDay()->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, newText);
}

MessageRecorder::Message TestBadDayDialog::onlyMessage() const
{
    const auto& messages = m_messages->messages();
    return messages.size() == 1
               ? messages.first()
               : MessageRecorder::Message{Kind::General,
                                          QStringLiteral("%1 messages").arg(messages.size())};
}

void TestBadDayDialog::form()
{
    open(QDate::currentDate());
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Введите дату и уровень \"везения\""));
    QCOMPARE(m_dialog->size(), QSize(474, 399));
    QVERIFY(m_dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(m_dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());

    // A fresh dialog starts in the middle, beside "ОБЫЧНЫЙ ДЕНЬ".
    QCOMPARE(m_dialog->tbLevel()->value(), 2);
    auto* ok = m_dialog->findChild<QPushButton*>(QStringLiteral("btOK"));
    QVERIFY(ok->isDefault());

    // Tab order: date, track, "Добавить", "Отмена".
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QWidget* focus = QApplication::focusWidget();
        order << (focus == m_dialog->edBadDay()->lineEdit() ? QStringLiteral("edBadDay")
                                                            : focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"edBadDay", "tbLevel", "btOK", "Button2"}));
}

void TestBadDayDialog::typedDate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDateTime>("birth");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QDate>("result");

    const QDate today = QDate::currentDate();
    const QDateTime afternoon(QDate(1990, 5, 10), QTime(13, 45));
    const QDateTime midnight(QDate(1990, 5, 10), QTime(0, 0));
    for (bool byEnter : {false, true}) {
        const char* how = byEnter ? "Enter" : "Tab";
        QTest::addRow("today, %s", how)
            << text(today) << afternoon << byEnter << QString() << today;
        QTest::addRow("tomorrow, %s", how)
            << text(today.addDays(1)) << afternoon << byEnter << future << today;
        QTest::addRow("birth day born in the afternoon, %s", how)
            << text(afternoon.date()) << afternoon << byEnter << beforeBirth << today;
        QTest::addRow("birth day born at midnight, %s", how)
            << text(midnight.date()) << midnight << byEnter << beforeBirth << today;
        QTest::addRow("day after birth, %s", how)
            << text(afternoon.date().addDays(1)) << afternoon << byEnter << QString()
            << afternoon.date().addDays(1);
        QTest::addRow("cleared, %s", how)
            << QString() << afternoon << byEnter << beforeBirth << today;
    }
    QTest::newRow("one-digit day and month")
        << "1.2.2000" << afternoon << false << QString() << QDate(2000, 2, 1);
}

void TestBadDayDialog::typedDate()
{
    QFETCH(QString, typed);
    QFETCH(QDateTime, birth);
    QFETCH(bool, byEnter);
    QFETCH(QString, refusal);
    QFETCH(QDate, result);

    m_birth = birth;
    open(QDate(2001, 1, 1));
    retype(typed);
    QLineEdit* edit = m_dialog->edBadDay()->lineEdit();
    QTest::keyClick(edit, byEnter ? Qt::Key_Return : Qt::Key_Tab);

    QCOMPARE(m_dialog->edBadDay()->date(), result);
    QCOMPARE(edit->text(), text(result));
    if (refusal.isEmpty()) {
        QVERIFY(m_messages->messages().isEmpty());
        if (byEnter)
            QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        else
            QVERIFY(m_dialog->tbLevel()->hasFocus());
        return;
    }
    const auto message = onlyMessage();
    QCOMPARE(message.text, refusal);
    QCOMPARE(message.kind, Kind::Error);
    // The refused value keeps the focus with its text selected, and Enter does not close.
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->selectedText(), edit->text());
    QVERIFY(m_dialog->isVisible());
}

void TestBadDayDialog::textThatIsNoDateIsRefused()
{
    const QDate preset(2001, 1, 1);
    open(preset);
    retype(QStringLiteral("31.02.2001"));
    QTest::keyClick(m_dialog->edBadDay()->lineEdit(), Qt::Key_Tab);
    QCOMPARE(m_dialog->edBadDay()->date(), preset);
    QCOMPARE(m_dialog->edBadDay()->lineEdit()->text(), text(preset));
    QVERIFY(m_messages->messages().isEmpty());
}

void TestBadDayDialog::clearButtonIsRefused()
{
    open(QDate(2001, 1, 1));
    QTest::mouseClick(m_dialog->edBadDay()->dropDownButton(), Qt::LeftButton);
    QFrame* popup = m_dialog->edBadDay()->popup();
    QVERIFY(popup && popup->isVisible());
    QTest::mouseClick(popup->findChild<QPushButton*>(QStringLiteral("clearButton")),
                      Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(onlyMessage().text, beforeBirth);
    QCOMPARE(m_dialog->edBadDay()->date(), QDate::currentDate());
}

void TestBadDayDialog::todayButtonPasses()
{
    open(QDate(2001, 1, 1));
    QTest::mouseClick(m_dialog->edBadDay()->dropDownButton(), Qt::LeftButton);
    QTest::mouseClick(
        m_dialog->edBadDay()->popup()->findChild<QPushButton*>(QStringLiteral("todayButton")),
        Qt::LeftButton);
    QVERIFY(m_messages->messages().isEmpty());
    QCOMPARE(m_dialog->edBadDay()->date(), QDate::currentDate());
    QVERIFY(m_dialog->edBadDay()->lineEdit()->hasFocus());
}

void TestBadDayDialog::uneditedBadPresetCaughtOnLeaving()
{
    open(m_birth.date());
    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("btOK")), Qt::LeftButton);
    const auto message = onlyMessage();
    QCOMPARE(message.kind, Kind::Warning);
    QCOMPARE(message.text, beforeBirth);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->edBadDay()->date(), QDate::currentDate());
}

void TestBadDayDialog::birthDateReadAtEachCheck()
{
    const QDate day(2001, 1, 1);
    open(day);
    m_birth = QDateTime(day, QTime(6, 0)); // changed on the account page after opening
    QTest::keyClick(m_dialog->edBadDay()->lineEdit(), Qt::Key_Tab);
    QCOMPARE(onlyMessage().text, beforeBirth);
    QCOMPARE(m_dialog->edBadDay()->date(), QDate::currentDate());
}

void TestBadDayDialog::trackClickJumpsToStep_data()
{
    QTest::addColumn<double>("where"); // fraction of the track's height
    QTest::addColumn<int>("position");
    QTest::newRow("top") << 0.02 << 0;
    QTest::newRow("bottom") << 0.98 << 4;
    QTest::newRow("just below the top") << 0.3 << 1;
}

void TestBadDayDialog::trackClickJumpsToStep()
{
    QFETCH(double, where);
    QFETCH(int, position);
    open(QDate::currentDate());
    QSlider* track = m_dialog->tbLevel();
    QTest::mouseClick(track, Qt::LeftButton, {},
                      QPoint(track->width() / 2, int(track->height() * where)));
    QCOMPARE(track->value(), position);
}

void TestBadDayDialog::escapeKeepsDialogOpen()
{
    open(QDate::currentDate());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_messages->messages().isEmpty());
}

void TestBadDayDialog::closeBoxCancels()
{
    open(QDate::currentDate());
    m_dialog->setResult(-1);
    QVERIFY(m_dialog->close());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestBadDayDialog)
#include "tst_baddaydialog.moc"
