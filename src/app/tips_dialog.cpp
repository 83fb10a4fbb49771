#include "app/tips_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/product_links.h"
#include "ui/link_button.h"
#include "ui/url_opener.h"

namespace vesmira {

CTipsDialog::CTipsDialog(const ProductLinks& links, UrlOpener& urlOpener, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Tip of the Day"));
  setObjectName(QStringLiteral("tipsDialog"));

  auto* question = new QLabel(tr("Do you want to visit %1 for a").arg(links.siteName), this);
  question->setObjectName(QStringLiteral("questionLabel"));
  question->setAlignment(Qt::AlignCenter);
  auto* dietTip = new QLabel(tr("diet tip?"), this);
  dietTip->setObjectName(QStringLiteral("dietTipLabel"));
  dietTip->setAlignment(Qt::AlignCenter);

  // The tip of this program itself: what the scales and Calculate say together.
  auto* weightTip =
      new QLabel(tr("Tip: weigh yourself in the morning and type the weight beside the date. "
                    "After a few weeks of weighing and logging your food, Calculate shows the "
                    "real consumption: the kcal a day your body really used, with the range it "
                    "is sure to, and the weight change that goes with it. Until the data can "
                    "carry a figure, the fields say what is missing. Compare the figure with "
                    "the normal energy consumption in Properties."),
                 this);
  weightTip->setObjectName(QStringLiteral("weightTipLabel"));
  weightTip->setWordWrap(true);
  weightTip->setFixedWidth(weightTip->fontMetrics().averageCharWidth() * 48);

  auto* link = new QPushButton(links.homePageText, this);
  link->setObjectName(QStringLiteral("linkButton"));
  ShowAsLink(link);
  connect(link, &QPushButton::clicked, this,
          [&urlOpener, url = links.homePage] { urlOpener.Open(url); });

  auto* yes = new QPushButton(tr("&Yes"), this);
  yes->setObjectName(QStringLiteral("yesButton"));
  yes->setDefault(true);
  connect(yes, &QPushButton::clicked, this, [this, &urlOpener, url = links.tipPage] {
    urlOpener.Open(url);
    accept();
  });
  auto* no = new QPushButton(tr("&No"), this);
  no->setObjectName(QStringLiteral("noButton"));
  connect(no, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(no);
  buttons->addWidget(yes);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(weightTip);
  layout->addSpacing(6);
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
