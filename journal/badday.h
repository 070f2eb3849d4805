#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfmBadDay;
}
class DateEdit;
class QSlider;

// The day-entry dialog: one past date and its luck grade on five steps. It
// writes nothing; the caller presets the date, runs it and reads the result.
class TfmBadDay : public QDialog
{
    Q_OBJECT
public:
    // birthDate is asked at every check, so the dialog always sees what the
    // account page shows at that moment.
    TfmBadDay(std::function<QDateTime()> birthDate, QWidget* parent = nullptr);
    ~TfmBadDay() override;

    DateEdit* edBadDay() const;
    QSlider* tbLevel() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void edBadDayPropertiesValidate(QDateTime& value, QString& errorText, bool& error);
    void edBadDayExit();

    std::unique_ptr<Ui::TfmBadDay> ui;
    std::function<QDateTime()> m_birthDate;
};
