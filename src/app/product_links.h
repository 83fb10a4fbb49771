#pragma once

#include <QString>
#include <QUrl>

namespace vesmira {

// Where the program's links lead and how they are shown. A build with a web site links to its
// home page and to the tip page on it; a build without one (the default) opens pages shipped
// with the program: the help page for the home page and the diet tips page for the tip page,
// both as the program keeps them in the data folder.
struct ProductLinks {
  QUrl homePage;
  QUrl tipPage;
  QString homePageText;  // the tip dialog's link button
  QString homePageName;  // the About box: "Home page: " and this
  QString siteName;      // the tip dialog: "Do you want to visit " this " for a"
  QString contact;       // the About box's contact line
};

ProductLinks LinksOfThisBuild(const QString& dataFolder);

}  // namespace vesmira
