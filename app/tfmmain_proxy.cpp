// The proxy controls of the main window: they write the settings file only on
// the user's own changes, and hand the settings in force to the transport.
#include "app/messages.h"
#include "app/proxysettings.h"
#include "app/tfmmain.h"
#include "identity/base64.h"
#include "identity/cp1251.h"
#include "ui_tfmmain.h"

void TfmMain::chkProxyClick()
{
    // Start-up sets the box without focus: that must not write the file back.
    if (ui->chkProxy->hasFocus()) {
        Messages::guarded(
            [&] { m_settings.writeBool(QStringLiteral("UseProxy"), ui->chkProxy->isChecked()); });
    }
    ui->grProxy->setEnabled(ui->chkProxy->isChecked());
}

void TfmMain::edProxyPropertiesChange()
{
    const auto* edit = qobject_cast<const QWidget*>(sender());
    if (!edit || !edit->hasFocus())
        return;
    // All five keys every time, so the file matches the controls after each keystroke.
    const ProxySettings proxy = proxySettings();
    Messages::guarded([&] {
        m_settings.writeStrings({
            {QStringLiteral("UseProxy"),
             proxy.useProxy ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("Proxy"), proxy.host},
            {QStringLiteral("ProxyPort"), proxy.port},
            {QStringLiteral("ProxyLogin"), proxy.login},
            {QStringLiteral("ProxyPassword"),
             QString::fromLatin1(Base64Encode(Cp1251::encode(proxy.password)))},
        });
    });
}

ProxySettings TfmMain::proxySettings() const
{
    ProxySettings proxy;
    proxy.useProxy = ui->chkProxy->isChecked();
    proxy.host = ui->edProxy->text();
    proxy.port = ui->edPort->text();
    proxy.login = ui->edLogin->text();
    proxy.password = ui->edPassword->text();
    return proxy;
}
