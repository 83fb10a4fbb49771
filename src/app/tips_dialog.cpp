#include "app/tips_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/product_links.h"
#include "ui/url_opener.h"

namespace vesmira {

CTipsDialog::CTipsDialog(const ProductLinks& links, UrlOpener& urlOpener, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tip of the Day"));
  setObjectName(QStringLiteral("tipsDialog"));

  auto* question =
      new QLabel(QStringLiteral("Do you want to visit %1 for a").arg(links.siteName), this);
  question->setObjectName(QStringLiteral("questionLabel"));
  question->setAlignment(Qt::AlignCenter);
  auto* dietTip = new QLabel(QStringLiteral("diet tip?"), this);
  dietTip->setObjectName(QStringLiteral("dietTipLabel"));
  dietTip->setAlignment(Qt::AlignCenter);

  auto* link = new QPushButton(links.homePageText, this);
  link->setObjectName(QStringLiteral("linkButton"));
  link->setFlat(true);
  link->setCursor(Qt::PointingHandCursor);
  connect(link, &QPushButton::clicked, this,
          [&urlOpener, url = links.homePage] { urlOpener.Open(url); });

  auto* yes = new QPushButton(QStringLiteral("Yes"), this);
  yes->setObjectName(QStringLiteral("yesButton"));
  yes->setDefault(true);
  connect(yes, &QPushButton::clicked, this, [this, &urlOpener, url = links.tipPage] {
    urlOpener.Open(url);
    accept();
  });
  auto* no = new QPushButton(QStringLiteral("No"), this);
  no->setObjectName(QStringLiteral("noButton"));
  connect(no, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(no);
  buttons->addWidget(yes);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(question);
  layout->addWidget(dietTip);
  layout->addWidget(link, 0, Qt::AlignHCenter);
  layout->addSpacing(6);
  layout->addLayout(buttons);

  setTabOrder(yes, no);
  setTabOrder(no, link);
  yes->setFocus();
}

}  // namespace vesmira
