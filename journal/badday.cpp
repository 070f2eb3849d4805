#include "journal/badday.h"

#include "app/dateedit.h"
#include "app/messages.h"
#include "journal/daycheck.h"
#include "ui_badday.h"

#include <QKeyEvent>
#include <QProxyStyle>

namespace {

// A click on the track moves the thumb straight to the clicked step instead
// of paging towards it.
class LevelTrackStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_Slider_AbsoluteSetButtons)
            return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TfmBadDay::TfmBadDay(std::function<QDateTime()> birthDate, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfmBadDay>()), m_birthDate(std::move(birthDate))
{
    ui->setupUi(this);
    // A tool window of fixed size with only the close box.
    setWindowFlags(Qt::Dialog | Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());

    auto* trackStyle = new LevelTrackStyle;
    trackStyle->setParent(this);
    ui->tbLevel->setStyle(trackStyle);

    ui->edBadDay->setShowTime(false);
    ui->edBadDay->setValidationHook([this](QDateTime& value, QString& errorText, bool& error) {
        edBadDayPropertiesValidate(value, errorText, error);
    });
    connect(ui->edBadDay, &DateEdit::exited, this, &TfmBadDay::edBadDayExit);
    connect(ui->btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    ui->edBadDay->setFocus();
}

TfmBadDay::~TfmBadDay() = default;

DateEdit* TfmBadDay::edBadDay() const
{
    return ui->edBadDay;
}
QSlider* TfmBadDay::tbLevel() const
{
    return ui->tbLevel;
}

void TfmBadDay::keyPressEvent(QKeyEvent* event)
{
    // Esc must not throw away the entry; only "Отмена" and the close box cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfmBadDay::edBadDayPropertiesValidate(QDateTime& value, QString& errorText, bool& error)
{
    const QString refusal = checkJournalDay(value.date(), m_birthDate());
    if (refusal.isEmpty())
        return;
    errorText = refusal;
    error = true;
    value = QDate::currentDate().startOfDay();
    ui->edBadDay->setDate(QDate::currentDate());
}

void TfmBadDay::edBadDayExit()
{
    const QString refusal = checkJournalDay(ui->edBadDay->date(), m_birthDate());
    if (refusal.isEmpty())
        return;
    Messages::warning(refusal);
    ui->edBadDay->setDate(QDate::currentDate());
}
