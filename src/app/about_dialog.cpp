#include "app/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/main_frame.h"
#include "app/product_links.h"
#include "ui/link_button.h"
#include "ui/picture.h"
#include "ui/url_opener.h"

namespace vesmira {

CAboutDialog::CAboutDialog(const ProductLinks& links, UrlOpener& urlOpener, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("About Vesmira"));
  setObjectName(QStringLiteral("aboutDialog"));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("iconLabel"));
  icon->setPixmap(ReadPicture(QStringLiteral(":/icons/vesmira-32.png")));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* name = new QLabel(CMainFrame::MainTitle(), this);
  name->setObjectName(QStringLiteral("nameLabel"));
  name->setTextFormat(Qt::PlainText);
  auto* notice = new QLabel(tr("Copyright © 2026 the Vesmira developers"), this);
  notice->setObjectName(QStringLiteral("noticeLabel"));
  notice->setTextFormat(Qt::PlainText);
  auto* contact = new QLabel(links.contact, this);
  contact->setObjectName(QStringLiteral("contactLabel"));
  contact->setTextFormat(Qt::PlainText);

  auto* homePage = new QPushButton(tr("&Home page: %1").arg(links.homePageName), this);
  homePage->setObjectName(QStringLiteral("homePageButton"));
  ShowAsLink(homePage);
  connect(homePage, &QPushButton::clicked, this,
          [&urlOpener, url = links.homePage] { urlOpener.Open(url); });

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setHorizontalSpacing(12);
  layout->addWidget(icon, 0, 0, 3, 1);
  layout->addWidget(name, 0, 1);
  layout->addWidget(notice, 1, 1);
  layout->addWidget(contact, 2, 1);
  layout->addWidget(homePage, 3, 1, Qt::AlignLeft);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);

  setTabOrder(ok, homePage);
  ok->setFocus();
}

}  // namespace vesmira
