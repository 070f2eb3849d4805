#include "app/tfmmain.h"

#include "app/apperror.h"
#include "app/links.h"
#include "app/messages.h"
#include "app/proxysettings.h"
#include "app/version.h"
#include "identity/base64.h"
#include "identity/cp1251.h"
#include "store/datetimetext.h"
#include "store/schema.h"
#include "ui_tfmmain.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextFrame>

// The pictures live in the static UI library, whose resources must be
// registered by hand; this has to stand outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const char* const DisclaimerText =
    "\n"
    "                                            УСЛОВИЯ ИСПОЛЬЗОВАНИЯ\n"
    "\n"
    "  Програма «Selvane» предназначена для тех людей, кто хочет обезопасить себя\n"
    "от непредвиденных ситуаций, которые мы часто называем невезением.\n"
    "\n"
    "  Для проверки Вашей совместимости необходим доступ в Интернет для обработки\n"
    "данных на сервере.\n"
    "\n"
    "  Подробнее с теорией можно ознакомиться на домашней странице программы.\n"
    "\n"
    "  Автор программы не несет ни какой отвественности за возможные последствия\n"
    "связанные с использованием данной программы. Вы используете эту программу\n"
    "на свой страх и риск!";

QPixmap renderSvg(const QString& resource, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    return pixmap;
}

} // namespace

TfmMain::TfmMain(const ProgramPaths& paths, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfmMain>()), m_paths(paths),
      m_settings(paths.settingsFile)
{
    registerPictures();
    // The window's font; where it is missing, its metric twin stands in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    ui->setupUi(this);
    m_formCaption = windowTitle();
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 399);
    setupStaticContent();

    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TfmMain::PageControl1Change);
    connect(ui->chkAgree, &QCheckBox::toggled, this, &TfmMain::chkAgreeClick);
    connect(ui->chkProxy, &QCheckBox::toggled, this, &TfmMain::chkProxyClick);
    for (QLineEdit* edit : {ui->edProxy, ui->edPort, ui->edLogin, ui->edPassword})
        connect(edit, &QLineEdit::textChanged, this, &TfmMain::edProxyPropertiesChange);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfmMain::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TfmMain::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TfmMain::SpeedButton3Click);
    connect(ui->btAddDate, &QPushButton::clicked, this, &TfmMain::btAddDateClick);
    connect(ui->btDelChecked, &QPushButton::clicked, this, &TfmMain::btDelCheckedClick);
    setupJournalGrid();
    setupForecastView();

    FormCreate();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfmMain::~TfmMain()
{
    FormDestroy();
}

void TfmMain::setupStaticContent()
{
    ui->edBD->setShowTime(true);
    QFont bigBold(QStringLiteral("Arial"));
    bigBold.setPixelSize(21);
    bigBold.setBold(true);
    ui->btForecast->setFont(bigBold);
    ui->mDesclimer->setPlainText(QString::fromUtf8(DisclaimerText));
    // A margin at the left where a drag selects whole lines.
    QTextFrameFormat rootFormat = ui->mDesclimer->document()->rootFrame()->frameFormat();
    rootFormat.setLeftMargin(8);
    ui->mDesclimer->document()->rootFrame()->setFrameFormat(rootFormat);

    const QStringList about{
        QStringLiteral("Электронный Зельвар «Selvane»"),
        QStringLiteral("Автор программы и идеи "),
        QString::fromUtf8(Links::AuthorName),
        QStringLiteral("email: ") + QLatin1String(Links::AuthorMailAddress),
        QString(),
        QStringLiteral("Домашняя страница: ") + Links::homePage(),
        QStringLiteral("Форум программы: ") + Links::forumPage(),
    };
    ui->cxMemo1->setPlainText(about.join(QLatin1Char('\n')));
    QTextCursor cursor(ui->cxMemo1->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);

    const QSize iconSize(32, 32);
    ui->SpeedButton1->setIcon(renderSvg(QStringLiteral(":/pictures/house.svg"), iconSize));
    ui->SpeedButton2->setIcon(renderSvg(QStringLiteral(":/pictures/newspapers.svg"), iconSize));
    ui->SpeedButton3->setIcon(renderSvg(QStringLiteral(":/pictures/letter.svg"), iconSize));
    ui->Image1->setPixmap(renderSvg(QStringLiteral(":/pictures/egypt.svg"), QSize(459, 250)));
}

void TfmMain::FormCreate()
{
    m_forecastMap.clear();
    m_updateChecked = false;
    ui->PageControl1->setCurrentIndex(0);
    setWindowTitle(m_formCaption + QStringLiteral(" ver. ") + VersionText());
    loadSettings();

    try {
        m_store.open(m_paths.database());
        DB1.setDefaultFolder(m_paths.folder);
        DB1.setDatabaseName(QStringLiteral("bl.db"));
        DB1.connect();
    } catch (const AppError& e) {
        // Without a store the window still opens, on the Info page, with the
        // settings loaded; later store actions report that the store is closed.
        Messages::generalError(e.message());
        return;
    }
    createMissingTables();
    loadAccount();
    loadStoredForecast();
    Query1.setConnection(&DB1);
    RefreshJournal();
}

void TfmMain::loadSettings()
{
    ui->chkProxy->setChecked(m_settings.readBool(QStringLiteral("UseProxy"), false));
    ui->edProxy->setText(m_settings.readString(QStringLiteral("Proxy"), QString()));
    ui->edPort->setText(m_settings.readString(QStringLiteral("ProxyPort"), QStringLiteral("80")));
    ui->edLogin->setText(m_settings.readString(QStringLiteral("ProxyLogin"), QString()));
    const QString password =
        m_settings.readString(QStringLiteral("ProxyPassword"), QStringLiteral("="));
    ui->edPassword->setText(Cp1251::decode(Base64Decode(Cp1251::encode(password))));
    ui->chkAgree->setChecked(m_settings.readBool(QStringLiteral("Agree"), false));
}

void TfmMain::createMissingTables()
{
    try {
        Schema::createMissingTables(m_store);
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
}

void TfmMain::loadAccount()
{
    try {
        Query2.setConnection(&DB1);
        Query2.close();
        Query2.setSql(QStringLiteral("SELECT * FROM user;"));
        Query2.open();
        if (Query2.isEmpty()) {
            ui->edBD->setDateTime(QDateTime::currentDateTime());
            return;
        }
        ui->edBD->setDateTime(
            DateTimeText::toDateTime(Query2.fieldText(QStringLiteral("birthday"))));
        ui->prCompatible->setValue(Query2.fieldInt(QStringLiteral("compatible")));
        setAccountPresent(true);
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
}

void TfmMain::loadStoredForecast()
{
    try {
        Query3.setConnection(&DB1);
        Query3.close();
        Query3.setSql(QStringLiteral("SELECT * FROM forecast;"));
        Query3.open();
        if (!Query3.isEmpty() && ui->chkAgree->isChecked())
            ui->PageControl1->setCurrentIndex(3);
        for (Query3.first(); !Query3.eof(); Query3.next())
            m_forecastMap.append(Query3.fieldText(QStringLiteral("date")),
                                 Query3.fieldInt(QStringLiteral("level")));
    } catch (const AppError& e) {
        Messages::error(e.message());
    }
}

void TfmMain::setAccountPresent(bool present)
{
    ui->btCreateAcc->setEnabled(!present);
    ui->btDelAcc->setEnabled(present);
    ui->grPersonal->setEnabled(!present);
}

void TfmMain::FormDestroy()
{
    try {
        m_store.close();
    } catch (const AppError&) {
        // The window is going away; SQLite discards the open transaction itself.
    }
    m_forecastMap.clear();
}

void TfmMain::PageControl1Change(int index)
{
    if (index == 4) {
        // The update notice arrives with the server exchange.
        return;
    }
    if (index > 0 && !ui->chkAgree->isChecked()) {
        ui->PageControl1->setCurrentIndex(0);
        Messages::information(QStringLiteral(
            "Необходимо подтверждение согласия с условиями использования программы!"));
    } else if (index > 1 && (!Query2.isOpen() || Query2.isEmpty())) {
        ui->PageControl1->setCurrentIndex(1);
        Messages::information(
            QStringLiteral("Необходимо создать учетную запись, прежде чем вводить статистику!"));
    }
}

void TfmMain::chkAgreeClick()
{
    // Only the user's change is stored; start-up setting the box writes nothing.
    if (!ui->chkAgree->hasFocus())
        return;
    Messages::guarded(
        [&] { m_settings.writeBool(QStringLiteral("Agree"), ui->chkAgree->isChecked()); });
}

void TfmMain::SpeedButton1Click()
{
    Links::open(Links::homePage());
}

void TfmMain::SpeedButton2Click()
{
    Links::open(Links::forumPage());
}

void TfmMain::SpeedButton3Click()
{
    // A mail link that cannot be built or opened is not worth a message.
    try {
        Links::open(Links::mailToAuthor(VersionText()));
    } catch (...) {
    }
}
