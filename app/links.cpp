#include "app/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace Links {

QString homePage()
{
    return QLatin1String(ProductSiteAddress) + QStringLiteral("/products/Selvane.htm");
}

QString forumPage()
{
    return QLatin1String(ForumAddress) + QStringLiteral("/viewforum.php?f=15");
}

QString mailToAuthor(const QString& versionText)
{
    return QStringLiteral("mailto:") + QLatin1String(AuthorMailAddress) +
           QStringLiteral("?Subject=About Selvane ver. ") + versionText;
}

namespace {
std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> current;
    return current;
}
} // namespace

bool open(const QString& address)
{
    if (const auto& custom = opener())
        return custom(address);
    return QDesktopServices::openUrl(QUrl(address));
}

void setOpener(std::function<bool(const QString&)> newOpener)
{
    opener() = std::move(newOpener);
}

} // namespace Links
