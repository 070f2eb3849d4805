#pragma once

#include <QString>
#include <functional>

// The product's addresses shown on the About page and opened by its buttons.
namespace Links {

inline constexpr char ProductSiteAddress[] = "http://www.example.org";
inline constexpr char ForumAddress[] = "http://forum.example.org";
inline constexpr char AuthorMailAddress[] = "author@example.org";
inline constexpr char AuthorName[] = "Мирон Лесовой";

QString homePage();
QString forumPage();
QString mailToAuthor(const QString& versionText);
// Hands an address to the desktop, which picks the browser or mail program.
bool open(const QString& address);
// Lets tests see the addresses instead of starting a browser; empty restores the desktop.
void setOpener(std::function<bool(const QString&)> opener);

} // namespace Links
